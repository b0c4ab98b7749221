#!/usr/bin/env bash
# Spoken guidance under load: under Xvfb, with "Speak each key and finger" on and
# speech-dispatcher speaking through each installed synthesiser (its output modules, into
# libao's null device), a student types sets of an own-keys drill ("fj", f and j in turn, so
# misses come too) at a pace short enough to cut most sentences. Counts per synthesiser the sets
# the student file took, the sets lost and whether the program ended. Not run by CI.
# Usage: bench/speech_soak.sh [build folder] [sets] [seconds between keys]
#        (default build/release, 50, 0.3)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")
sets=${2:-50}
pace=${3:-0.3}
export KEYFARER_BIN=$build/bin/keyfarer
export KEYFARER_SHARE=$build/share/keyfarer
[ -x "$KEYFARER_BIN" ] || { echo "no program at $KEYFARER_BIN" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
    for module in /usr/lib/speech-dispatcher-modules/sd_*; do
        name=${module##*/sd_}
        [ -f "/etc/speech-dispatcher/modules/$name.conf" ] || continue
        case $name in dummy | generic | *-mbrola | *mbrola*) continue ;; esac
        export KEYFARER_HOME XDG_RUNTIME_DIR KF_SYNTHESISER=$name
        KEYFARER_HOME=$(mktemp -d)
        XDG_RUNTIME_DIR=$(mktemp -d)
        chmod 700 "$XDG_RUNTIME_DIR"
        xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$build" "$sets" "$pace" || true
        rm -rf "$KEYFARER_HOME" "$XDG_RUNTIME_DIR"
    done
    exit
fi

source tests/e2e/drill_steps.sh
# The synthesiser under test in place of espeak-ng in the test's speech-dispatcher set-up.
source tests/e2e/speech_server.sh
stop_speech_server
rm -f "$speech_dir/speech-dispatcher.log"
cp "/etc/speech-dispatcher/modules/$KF_SYNTHESISER.conf" "$XDG_CONFIG_HOME/speech-dispatcher/modules/"
sed -i "s/^AddModule .*/AddModule \"$KF_SYNTHESISER\" \"sd_$KF_SYNTHESISER\" \"$KF_SYNTHESISER.conf\"/;
        s/^DefaultModule .*/DefaultModule $KF_SYNTHESISER/" "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
# The server logs each piece of sound it hands on: the figure of speech that was made.
echo "LogLevel 4" >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
start_speech_server

begin_spoken_drill

saved=0
lost=0
ended=no
started=$(date +%s)
for _ in $(seq "$sets"); do
    before=$(md5sum "$student")
    for _ in $(seq 40); do
        xdotool key f Return
        sleep "$pace"
        xdotool key j Return
        sleep "$pace"
        [ "$(md5sum "$student")" != "$before" ] && break
    done
    if ! kill -0 "$program" 2>/dev/null; then
        ended=yes
        break
    fi
    if [ "$(md5sum "$student")" != "$before" ]; then saved=$((saved + 1)); else lost=$((lost + 1)); fi
    xdotool key space
    sleep 0.3
done
sound=$(grep -c "samples to audio" "$speech_dir/speech-dispatcher.log" || true)
echo "$KF_SYNTHESISER: $saved sets written, $lost lost, program ended: $ended," \
    "$(($(date +%s) - started)) s, $sound pieces of speech played"
