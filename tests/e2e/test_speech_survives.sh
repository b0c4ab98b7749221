#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Spoken guidance on, and its synthesiser and then the speech server killed in the middle of
# what they say: the drill goes on, each set's end is written to the student file, and the next
# set starts a new server and speaks again. (A server started so ends by itself once the
# program is gone.)
set -euo pipefail
source "$(dirname "$0")/drill_steps.sh"
source "$(dirname "$0")/speech_server.sh"

begin_spoken_drill

# Types f and j in turn until the set has ended and the student file was written: with two keys
# a miss is corrected by the next one. Runs the given step after the second key.
type_set() {
    local before
    before=$(md5sum "$student")
    for n in $(seq 40); do
        xdotool key f Return
        if [ "$n" = 2 ]; then eval "$1" || fail "could not $1"; fi
        xdotool key j Return
        sleep 0.2
        [ "$(md5sum "$student")" != "$before" ] && return 0
    done
    fail "the set did not end in the student file"
}

wait_for_synthesiser() {
    for _ in $(seq 50); do
        synthesiser_pid >/dev/null && return 0
        sleep 0.1
    done
    fail "nothing was spoken: $(cat "$speech_dir"/*.log 2>/dev/null | tail -5)"
}

wait_for_synthesiser
type_set 'kill -9 "$(synthesiser_pid)"'
kill -0 "$program" || fail "the program ended with its synthesiser"
# The server speaks no more without its synthesiser (or has ended with it, and the next target
# starts a new one); the next set goes on, and the server is killed in its middle too.
xdotool key space
sleep 0.3
type_set 'kill -9 "$(running_server_pid)"'
kill -0 "$program" || fail "the program ended with the speech server"
# The next target starts a new server, as speech-dispatcher's clients do, and is spoken.
xdotool key space
sleep 0.3
wait_for_synthesiser
kill -0 "$program" || fail "the program ended"
echo "speech: the synthesiser and the server killed mid-set, both sets written, speech back"
