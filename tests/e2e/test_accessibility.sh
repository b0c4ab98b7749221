#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it, on a private accessibility bus, driven from the
# keyboard alone: the welcome, a new user through the "New User" link, Preferences and the
# charts through their links, then an own-keys drill. No showing control in the main, options,
# charts or drill window is without a name, and during the drill the focused object keeps its
# name and describes each target.
set -euo pipefail
source "$(dirname "$0")/drill_steps.sh"

# A session bus of this test's own, with the accessibility bus on it, before the program starts.
bus_address=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$XDG_RUNTIME_DIR/bus.pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true; kill "$(cat "$XDG_RUNTIME_DIR/bus.pid")" 2>/dev/null || true' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
sleep 0.5

no_unnamed_controls() {
    local missing
    if ! missing=$($probe unnamed "$1"); then
        fail "controls without a name in \"$1\": $missing"
    fi
}

# Tab until the focused object is the named one; at most 20 steps.
tab_to() {
    for _ in $(seq 20); do
        $probe focused | grep -q "^$1|" && return 0
        xdotool key Tab
        sleep 0.1
    done
    fail "Tab never reached \"$1\" (focused: $($probe focused))"
}

after_program='kill "$launcher" 2>/dev/null || true; kill "$(cat "$XDG_RUNTIME_DIR/bus.pid")" 2>/dev/null || true'
# The one link there is to follow has the focus; Enter follows it.
new_user_by_keyboard
no_unnamed_controls "Keyfarer Typing Tutor"

# Space follows a link too.
# A window shown is given the keyboard, as a window manager would.
focus_window() {
    local id
    id=$(timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1)
    [ -n "$id" ] || fail "the window \"$1\" did not appear"
    xdotool windowfocus --sync "$id"
    sleep 0.3
}

gone() {
    for _ in $(seq 30); do
        xdotool search --onlyvisible --name "$1" >/dev/null || return 0
        sleep 0.1
    done
    fail "the window \"$1\" did not close"
}

# Speech is not loaded at start, only when something asks for it: here the Preferences window,
# whose "Speak each key and finger" box asks whether an engine is there.
grep -q libspeechd "/proc/$program/maps" && fail "the speech libraries were loaded at start"
tab_to "Preferences"
xdotool key space
focus_window '^Preferences'
no_unnamed_controls "Preferences"
grep -q libspeechd "/proc/$program/maps" || fail "the speech module was not loaded on first use"
xdotool key Escape
gone '^Preferences'

xdotool windowfocus --sync "$window"
tab_to "Your Stats"
xdotool key Return
focus_window '^Statistics'
no_unnamed_controls "Statistics"
xdotool key Escape
gone '^Statistics'

xdotool windowfocus --sync "$window"
choose_own_keys
no_unnamed_controls "Beginners Drills"

xdotool type --delay 60 "fj"
verify_and_begin
# The focused drill area keeps its name and describes each target; a screen reader is told
# each one as it comes (test_screen_reader hears it from Orca).
$probe wait-focused "Drill|Key 1 of 10. Type f." >/dev/null ||
    fail "the first target is not described: $($probe focused)"
[[ "$($probe focused)" == *finger* ]] || fail "no finger sentence with the first target"
xdotool type --delay 60 "f"
$probe wait-focused "Drill|Key 2 of 10. Type j." >/dev/null ||
    fail "the next target is not described: $($probe focused)"
kill -0 "$program" || fail "the program ended"
echo "accessibility: every control named, links from the keyboard, targets described"
