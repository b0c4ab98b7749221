#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A student takes their name, chooses "Choose Your Own Keys", types four keys to practise,
# verifies them, begins, types the set of ten without a miss and presses Enter. The student file
# then holds ten presses, no miss, and an accuracy of 1.0 for each of the four keys.
set -euo pipefail
source "$(dirname "$0")/drill_steps.sh"

prepare_folder
open_own_keys_drill
xdotool type --delay 60 "fj dk" # the space is refused
verify_and_begin
xdotool type --delay 120 "fjdkfjdkfj"
sleep 0.3
xdotool key Return
sleep 1

[ "$(figure 13096)" = 100000 ] || fail "presses: $(figure 13096), not 10"
[ "$(figure 13104)" = 0 ] || fail "misses: $(figure 13104), not 0"
[ "$(figure 13120)" = 100000 ] || fail "presses this session: $(figure 13120), not 10"
# Accuracy per key, whole history (22736) and this session (13136), for d 3, f 4, j 7, k 8.
for index in 3 4 7 8; do
    [ "$(per_key 22736 $index)" = 10000 ] || fail "accuracy of index $index"
    [ "$(per_key 13136 $index)" = 10000 ] || fail "session accuracy of index $index"
done
# Times presented (24336): f and j three times, d and k twice, nothing else.
[ "$(per_key 24336 4)" = 30000 ] || fail "f presented $(per_key 24336 4)"
[ "$(per_key 24336 3)" = 20000 ] || fail "d presented $(per_key 24336 3)"
[ "$(per_key 24336 1)" = 0 ] || fail "a was scored"
[ "$(int32 32336)" = 0 ] && [ "$(int32 32340)" = 0 ] || fail "Shift letter errors"

# Escape leaves the drill: the main window comes back in its place.
xdotool key Escape
wait_until_viewable "$window" "the main window"
viewable "$drill" && fail "the drill window stayed on screen"
kill -0 "$program" || fail "the program ended"
echo "own keys drill: ten presses, no miss, every key at 1.0"
