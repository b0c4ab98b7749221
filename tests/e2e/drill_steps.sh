# SPDX-License-Identifier: GPL-3.0-or-later
# Steps the drill tests share: a student file made by the program itself, taking that name in a
# new run, opening "Choose Your Own Keys", and reading figures back from the student file.
# Sourced by test_*drill*.sh; uses KEYFARER_BIN, KEYFARER_SHARE and KEYFARER_HOME.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

wait_for_file() {
    for _ in $(seq 100); do
        [ -e "$1" ] && return 0
        sleep 0.1
    done
    fail "$1 did not appear"
}

viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}

# Waits until the window is on screen and has held its place and size for a moment: a click
# placed by the window's corner while a busy program still moves or sizes it lands elsewhere.
wait_until_viewable() {
    local shown=0 place="" now
    for _ in $(seq 100); do
        if viewable "$1"; then
            now=$(xdotool getwindowgeometry "$1" 2>/dev/null || true)
            [ "$shown" -gt 0 ] && [ "$now" = "$place" ] && return 0
            shown=$((shown + 1))
            place=$now
            sleep 0.3
        else
            sleep 0.1
        fi
    done
    fail "$2 did not show"
}

student="$KEYFARER_HOME/Pat.stu"

# A fixed-point figure of the student file (value x 10,000), or a 32-bit number.
figure() { od -An -t d8 -j "$1" -N 8 "$student" | tr -d ' '; }
int32() { od -An -t d4 -j "$1" -N 4 "$student" | tr -d ' '; }
# The per-key figure of a statistics index in the array at an offset.
per_key() { figure $(($1 + ($2 - 1) * 8)); }

# A set of ten booked in the student file: five é and five @, all hit, and no bare e scored.
check_set_of_e_acute_and_at() {
    [ "$(figure 13096)" = 100000 ] || fail "presses: $(figure 13096), not 10"
    [ "$(figure 13104)" = 0 ] || fail "misses: $(figure 13104), not 0"
    # é has statistics index 71, @ index 50: five presses each, all correct.
    for index in 71 50; do
        [ "$(per_key 24336 $index)" = 50000 ] || fail "index $index presented $(per_key 24336 $index)"
        [ "$(per_key 22736 $index)" = 10000 ] || fail "accuracy of index $index"
    done
    [ "$(per_key 24336 13)" = 0 ] || fail "a bare e was scored"
}

# The program, ended with the test; a test that starts more sets after_program to what ends it.
start_program() {
    "$KEYFARER_BIN" &
    program=$!
    trap 'kill "$program" 2>/dev/null || true; eval "${after_program:-}"' EXIT
    window=$(timeout 30 xdotool search --sync --name 'Keyfarer Typing Tutor' | head -1)
    [ -n "$window" ] || fail "the main window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu=$((HEIGHT - 600))
    sleep 1
}

# A click at a place of the main window's 800 x 600 client area under the menu bar.
click() {
    xdotool mousemove --window "$window" "$1" $((menu + $2)) click 1
    sleep 0.3
}

# The shipped files, and the student file Pat.stu as the program creates it.
prepare_folder() {
    find "$KEYFARER_SHARE" -maxdepth 1 -type f -exec cp {} "$KEYFARER_HOME"/ \;
    start_program
    xdotool key Return # the welcome
    sleep 0.5
    click 575 35 # New User
    xdotool type --delay 30 "Pat"
    xdotool key Return
    wait_for_file "$student"
    kill "$program"
    wait "$program" 2>/dev/null || true
    [ "$(stat -c %s "$student")" = 110824 ] || fail "Pat.stu is not one record"
}

# A new run takes the name Pat and opens "Choose Your Own Keys"; the own-keys field then has
# the focus.
open_own_keys_drill() {
    start_program
    click 600 82  # Select User
    click 300 190 # Pat
    click 400 353 # Use this name
    xdotool windowfocus --sync "$window"
    choose_own_keys
    if viewable "$window"; then fail "the main window stayed on screen"; fi
}

# "Choose Your Own Keys" from the menu bar of the focused main window; the drill window then has
# the keyboard.
choose_own_keys() {
    drill=
    for _ in 1 2 3; do
        xdotool key alt+b
        sleep 0.5
        xdotool key y # Choose &Your Own Keys
        drill=$(timeout 10 xdotool search --sync --name 'Beginners Drills' | head -1) || true
        [ -n "$drill" ] && break
        # On a busy machine a screen reader, which sees every key first, can let the letter
        # reach the window before its menu is open: close what opened and ask again.
        xdotool key Escape Escape
        sleep 0.5
    done
    [ -n "$drill" ] || fail "the drill window did not appear"
    wait_until_viewable "$drill" "the drill window"
    xdotool windowfocus --sync "$drill"
    sleep 0.5
}

# A first run in the shipped files, from the keyboard alone: past the welcome, the focused
# "New User" link makes the user Pat. Needs the accessibility bus.
probe="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/atspi_probe.py"
new_user_by_keyboard() {
    find "$KEYFARER_SHARE" -maxdepth 1 -type f -exec cp {} "$KEYFARER_HOME"/ \;
    start_program
    xdotool key Return # the welcome
    sleep 0.5
    xdotool windowfocus --sync "$window"
    $probe wait-focused "New User|" >/dev/null ||
        fail "the New User link has not the focus: $($probe focused)"
    xdotool key Return
    sleep 0.3
    xdotool type --delay 30 "Pat"
    xdotool key Return
    wait_for_file "$student"
    sleep 0.5
}

# Enter presses the focused own-keys button: Tab from the field to "Verify these Keys", then on
# to "Begin Typing"; Space begins the set.
verify_and_begin() {
    xdotool key Tab Return
    sleep 0.3
    xdotool key Tab Return
    sleep 0.3
    xdotool key space
    sleep 0.3
}
