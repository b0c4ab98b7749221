#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A student creates two user names, takes one, deletes the other, through real clicks and typing.
set -euo pipefail

# A working folder that does not exist yet is made and filled with the shipped files.
rmdir "$KEYFARER_HOME"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Message boxes carry the program's name or a caption of their own; the main window's title is
# longer.
visible_boxes() {
    local w
    for w in $(xdotool search --name '^(Keyfarer|Invalid User Name.*)$' 2>/dev/null); do
        if xwininfo -id "$w" | grep -q 'IsViewable'; then
            echo "$w"
        fi
    done
}

# Waits for a message box and answers it with a key (Return takes the default button).
answer_box() {
    local key=$1 box=""
    for _ in $(seq 100); do
        box=$(visible_boxes | head -1)
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "no message box appeared"
    xdotool windowfocus --sync "$box" key "$key"
    for _ in $(seq 100); do
        [ -z "$(visible_boxes)" ] && return 0
        sleep 0.1
    done
    fail "the message box did not close"
}

wait_for_file() {
    for _ in $(seq 50); do
        [ -e "$1" ] && return 0
        sleep 0.1
    done
    fail "$1 did not appear"
}

"$KEYFARER_BIN" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --name 'Keyfarer Typing Tutor' | head -1)
[ -n "$window" ] || fail "the main window did not appear"
answer_box Return # the welcome

# Places in the 800 x 600 client area under the menu bar: the links, and the panels centred in
# it (the new-user panel is 294 x 220, the select-user panel 294 x 318).
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 600))
click() { xdotool mousemove --window "$window" "$1" $((menu + $2)) click 1; sleep 0.3; }
new_user() { click 575 35; }
select_user() { click 600 82; }
first_entry() { click 300 190; }
second_entry() { click 300 205; }
use_name() { click 400 353; }
password_field() { click 344 392; }
delete_name() { click 479 392; }

for name in "Ann Lee" "Bob"; do
    new_user
    xdotool type --delay 30 "  $name "
    xdotool key Return
    wait_for_file "$KEYFARER_HOME/$name.stu"
done
[ "$(stat -c %s "$KEYFARER_HOME/Ann Lee.stu")" = 110824 ] || fail "Ann Lee.stu is not one record"

# A name that would leave the folder is refused and makes nothing.
new_user
xdotool type --delay 30 "../x"
xdotool key Return
answer_box Return
ls "$KEYFARER_HOME/.." | grep -qx 'x.stu' && fail "a file was made outside the working folder"
click 460 335 # the panel's Cancel

select_user
first_entry
use_name # Ann Lee
select_user
second_entry
password_field
xdotool type --delay 30 "RosterPurgeKey"
delete_name
answer_box Return # "Do you want to delete this username?" Yes
for _ in $(seq 50); do
    [ -e "$KEYFARER_HOME/Bob.stu" ] || break
    sleep 0.1
done
[ -e "$KEYFARER_HOME/Bob.stu" ] && fail "Bob.stu was not deleted"
[ -e "$KEYFARER_HOME/Ann Lee.stu" ] || fail "Ann Lee.stu went too"
kill -0 "$program" || fail "the program ended"
echo "roster: names created, taken and deleted"
