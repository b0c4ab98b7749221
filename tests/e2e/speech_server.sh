# SPDX-License-Identifier: GPL-3.0-or-later
# Speech-dispatcher for a test: its own configuration, speaking with espeak-ng into libao's null
# device, on the socket its clients look for in the test's XDG_RUNTIME_DIR. Sourced by test_*.sh
# before anything speaks; sets HOME and the XDG folders below XDG_RUNTIME_DIR. The test starts
# the server itself: one that a client starts on demand did not stay up in a container.

speech_dir=$XDG_RUNTIME_DIR/speech
export HOME=$speech_dir/home XDG_CONFIG_HOME=$speech_dir/config XDG_DATA_HOME=$speech_dir/data
export XDG_CACHE_HOME=$speech_dir/cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
echo "default_driver=null" >"$HOME/.libao"
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$XDG_CONFIG_HOME/speech-dispatcher/modules/"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
LogDir "$speech_dir"
CONF

start_speech_server() {
    speech-dispatcher --run-daemon --timeout 0 --pid-file "$speech_dir/server.pid" \
        >>"$speech_dir/server.out" 2>&1 ||
        fail "speech-dispatcher did not start: $(cat "$speech_dir/server.out")"
    # It listens once its synthesiser has listed its voices, and then its process (the one the
    # pid file names by now) is the one to end.
    for _ in $(seq 100); do
        if grep -q "waiting for clients" "$speech_dir/speech-dispatcher.log" 2>/dev/null; then
            speech_server=$(cat "$speech_dir/server.pid")
            return 0
        fi
        sleep 0.1
    done
    fail "speech-dispatcher does not listen: $(tail -5 "$speech_dir/speech-dispatcher.log")"
}
speech_server=
stop_speech_server() { [ -z "$speech_server" ] || kill "$speech_server" 2>/dev/null || true; }
# This test's server: the one it started, or one a client started on this test's socket when
# that one had ended.
running_server_pid() {
    if [ -n "$speech_server" ] && kill -0 "$speech_server" 2>/dev/null; then
        echo "$speech_server"
    else
        pgrep -f -x "/usr/bin/speech-dispatcher --spawn --communication-method unix_socket --socket-path $XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"
    fi
}

# The synthesiser speaking for this test's server (started before the server went into the
# background, so it is no child of it): the one with this test's configuration.
synthesiser_pid() {
    pgrep -f -x "/usr/lib/speech-dispatcher-modules/sd_espeak-ng $XDG_CONFIG_HOME/speech-dispatcher/modules/espeak-ng.conf"
}

start_speech_server

# The student Pat with "Speak each key and finger" on, in a set of an own-keys drill of "fj";
# needs drill_steps.sh. The program ends the speech server when it ends.
begin_spoken_drill() {
    prepare_folder
    printf '[Guidance]\nSpeakKeys=true\n' >"$KEYFARER_HOME/Pat.ini"
    after_program=stop_speech_server
    open_own_keys_drill
    xdotool type --delay 60 "fj"
    verify_and_begin
}
