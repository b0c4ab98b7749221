#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it, on a private accessibility bus, driven from the
# keyboard alone: the welcome, a new user through the "New User" link, Preferences and the
# charts through their links, then an own-keys drill. No showing control in the main, options,
# charts or drill window is without a name, and during the drill the focused object names each
# target and changes with the next one.
set -euo pipefail
source "$(dirname "$0")/drill_steps.sh"
probe="/usr/bin/python3 $(dirname "$0")/atspi_probe.py"

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

find "$KEYFARER_SHARE" -maxdepth 1 -type f -exec cp {} "$KEYFARER_HOME"/ \;
"$KEYFARER_BIN" &
program=$!
trap 'kill "$program" 2>/dev/null || true; kill "$launcher" 2>/dev/null || true; kill "$(cat "$XDG_RUNTIME_DIR/bus.pid")" 2>/dev/null || true' EXIT
window=$(timeout 30 xdotool search --sync --name 'Keyfarer Typing Tutor' | head -1)
[ -n "$window" ] || fail "the main window did not appear"
sleep 1
xdotool key Return # the welcome
sleep 0.5
xdotool windowfocus --sync "$window"

# The one link there is to follow has the focus; Enter follows it.
$probe wait-focused "New User|" >/dev/null || fail "the New User link has not the focus: $($probe focused)"
xdotool key Return
sleep 0.3
xdotool type --delay 30 "Pat"
xdotool key Return
wait_for_file "$student"
sleep 0.5
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
grep -q TextToSpeech "/proc/$program/maps" && fail "the speech libraries were loaded at start"
tab_to "Preferences"
xdotool key space
focus_window '^Preferences'
no_unnamed_controls "Preferences"
grep -q TextToSpeech "/proc/$program/maps" || fail "the speech module was not loaded on first use"
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
xdotool key alt+b
sleep 0.3
xdotool key y # Choose &Your Own Keys
drill=$(timeout 30 xdotool search --sync --name 'Beginners Drills' | head -1)
[ -n "$drill" ] || fail "the drill window did not appear"
wait_until_viewable "$drill" "the drill window"
xdotool windowfocus --sync "$drill"
sleep 0.5
no_unnamed_controls "Beginners Drills"

xdotool type --delay 60 "fj"
verify_and_begin
$probe wait-focused "Key 1 of 10. Type f.|" >/dev/null ||
    fail "the first target is not announced: $($probe focused)"
first=$($probe focused)
[[ "$first" == *"|"*finger* ]] || fail "no finger sentence with the first target: $first"
# The change reaches the bus as name and description change events, once each, which is what
# makes a screen reader speak the new target.
events="$XDG_RUNTIME_DIR/events"
$probe listen 2.5 >"$events" &
listening=$!
for _ in $(seq 50); do grep -q listening "$events" 2>/dev/null && break; sleep 0.1; done
xdotool type --delay 60 "f"
$probe wait-focused "Key 2 of 10. Type j.|" >/dev/null ||
    fail "the next target is not announced: $($probe focused)"
wait "$listening"
names=$(grep -c '^object:property-change:accessible-name|Key 2 of 10. Type j.$' "$events" || true)
[ "$names" = 1 ] || fail "$names name change events for the next target: $(cat "$events")"
grep -q '^object:property-change:accessible-description|.*finger' "$events" ||
    fail "no description change with the finger sentence: $(cat "$events")"
kill -0 "$program" || fail "the program ended"
echo "accessibility: every control named, links from the keyboard, targets announced"
