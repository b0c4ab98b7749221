#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind student with a real screen reader (Orca), from the keyboard alone: a new user through
# the "New User" link (said as the user line), an own-keys drill of "fj", a set typed by listening to each target, with
# one miss, and the set's result; then the statistics window and its report. Passes only when
# Orca has said each target with its finger, the miss, the result and a line of the report.
set -euo pipefail
source "$(dirname "$0")/drill_steps.sh"
source "$(dirname "$0")/screen_reader.sh"

after_program=stop_reader
new_user_by_keyboard
choose_own_keys
xdotool type --delay 60 "fj"
verify_and_begin

# Each target is typed as the drill area describes it; the third is missed once, by typing x.
typed=
for n in $(seq 10); do
    now=$($probe wait-focused "Key $n of 10. Type ") || fail "target $n is not shown: $now"
    key=$(sed -E 's/.*Key [0-9]+ of 10\. Type ([a-z])\..*/\1/' <<<"$now")
    if [ "$n" = 3 ]; then
        xdotool key x
        $probe wait-focused "You missed $key by typing x." >/dev/null ||
            fail "the miss is not shown: $($probe focused)"
    fi
    xdotool key "$key"
    typed+=$key
done
$probe wait-focused "Press Enter to finish the set." >/dev/null && xdotool key Return
$probe wait-focused "Set done." >/dev/null || fail "the set did not end: $($probe focused)"

# The report from the keyboard alone: the drill's "Charts" button, the statistics window's
# "View Report", which opens on the list of names, back to the report's text, and down a line.
$probe tab-to "Charts" >/dev/null || fail "Tab does not reach Charts: $($probe focused)"
xdotool key Return
statistics=$(timeout 10 xdotool search --sync --name '^Statistics' | head -1) ||
    fail "the statistics window did not appear"
wait_until_viewable "$statistics" "the statistics window"
xdotool windowfocus --sync "$statistics"
$probe tab-to "View Report" >/dev/null || fail "Tab does not reach View Report: $($probe focused)"
xdotool key Return
$probe wait-focused "User names" >/dev/null ||
    fail "the report's names have not the focus: $($probe focused)"
$probe tab-to "Summary report" shift+Tab >/dev/null ||
    fail "Shift+Tab does not reach the report: $($probe focused)"
xdotool key Down
sleep 1
kill -0 "$program" || fail "the program ended"
stop_reader

said=$(spoken)
grep -q "User = Pat" <<<"$said" || fail "Orca did not say who the user is now: $said"
for n in $(seq 10); do
    key=${typed:$((n - 1)):1}
    # The target, then its finger sentence after a pause.
    count=$(grep -c "Key $n of 10\. Type $key\.$" <<<"$said" || true)
    [ "$count" = 1 ] || fail "Orca said target $n ($key) $count times: $said"
    grep -A1 "Key $n of 10\. Type $key\.$" <<<"$said" | tail -1 | grep -q finger ||
        fail "Orca said target $n without its finger: $said"
done
grep -q "You missed . by typing x\." <<<"$said" || fail "Orca did not say the miss: $said"
result=$(grep -A1 "Set done\. Correct this set: " <<<"$said") ||
    fail "Orca did not say the result: $said"
[[ "$result" == *"Number missed: 1."* ]] || fail "the result Orca said misses the miss: $result"
grep -q "Student: Pat" <<<"$said" || fail "Orca did not read the report: $said"
echo "screen reader: Orca said the 10 targets, the miss, the result and the report"
