#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a Spanish keyboard a student practises é, typed with the acute dead key, and @, typed with
# Alt Gr: each arrives as the one character it makes, so the set has no miss.
set -euo pipefail
source "$(dirname "$0")/drill_steps.sh"

prepare_folder
# The student's keyboard is Spanish (nationality code 2 at offset 41).
printf '\x02' | dd of="$student" bs=1 seek=41 conv=notrunc status=none
setxkbmap es

open_own_keys_drill
xdotool key dead_acute e ISO_Level3_Shift+2 # é @
verify_and_begin
for _ in 1 2 3 4 5; do
    xdotool key --delay 120 dead_acute e
    xdotool key --delay 120 ISO_Level3_Shift+2
done
sleep 0.3
xdotool key Return
sleep 1

check_set_of_e_acute_and_at
# Nor was the 2.
[ "$(per_key 24336 39)" = 0 ] || fail "2 was scored"
echo "national keys drill: dead key and Alt Gr characters typed as one character each"
