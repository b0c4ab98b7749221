# SPDX-License-Identifier: GPL-3.0-or-later
# A real screen reader for a test: a session bus and the accessibility bus of the test's own,
# speech-dispatcher (speech_server.sh), and Orca with braille off, writing what it says to its
# debug file. Sourced by test_*.sh before the program starts, as a screen reader runs before the
# programs of a desktop.
#
# Orca writes its debug file through a buffer: what it said is read once it has ended
# (stop_reader), while the test follows the program through the accessibility bus.

source "$(dirname "${BASH_SOURCE[0]}")/speech_server.sh"
reader_dir=$XDG_RUNTIME_DIR/reader
mkdir -p "$reader_dir"
orca_log=$reader_dir/orca.log

bus_address=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$reader_dir/bus.pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher_pid=$!
orca_pid=
stop_reader() {
    if [ -n "$orca_pid" ]; then
        kill "$orca_pid" 2>/dev/null || true
        wait "$orca_pid" 2>/dev/null || true
        orca_pid=
    fi
    kill "$launcher_pid" 2>/dev/null || true
    kill "$(cat "$reader_dir/bus.pid")" 2>/dev/null || true
    stop_speech_server
}
trap stop_reader EXIT

a11y_enabled() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled 2>/dev/null |
        grep -q true
}
# Orca asks the accessibility bus at its start whether accessibility is on: the bus first.
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done
orca --disable braille --debug-file "$orca_log" >"$reader_dir/orca.out" 2>&1 &
orca_pid=$!
# Orca turns accessibility on, then listens to the bus.
for _ in $(seq 100); do
    a11y_enabled && break
    sleep 0.1
done
a11y_enabled || fail "Orca did not turn accessibility on: $(cat "$reader_dir/orca.out")"
sleep 1

# What Orca said, one utterance a line; read after stop_reader.
spoken() { sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)' *{.*$/\1/p" "$orca_log"; }
