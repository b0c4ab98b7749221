#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The first start on a new machine: the working folder is made and filled with every shipped
# file, the main window shows the English US keyboard and the welcome message comes once.
set -euo pipefail
rmdir "$KEYFARER_HOME"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$KEYFARER_BIN" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --onlyvisible --name 'Keyfarer Typing Tutor' | head -1)
[ -n "$window" ] || fail "the main window did not appear"

for shipped in "$KEYFARER_SHARE"/*; do
    [ -f "$shipped" ] || continue # the translations stay where they were installed
    name=$(basename "$shipped")
    cmp -s "$shipped" "$KEYFARER_HOME/$name" || fail "$name was not copied into the working folder"
done

box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Keyfarer$' | head -1)
[ -n "$box" ] || fail "no welcome message"
xdotool windowfocus --sync "$box" key Return
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^Keyfarer$' 2>/dev/null)" ] || fail "the welcome stayed"

# The window shows a picture, not an empty frame: the keyboard alone has hundreds of colours.
shot=$(mktemp --suffix=.png)
import -window "$window" "$shot"
colours=$(identify -format '%k' "$shot")
rm -f "$shot"
[ "$colours" -gt 50 ] || fail "the main window shows only $colours colours"

# Activating the window again does not bring the welcome back.
xdotool windowactivate "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name '^Keyfarer$' 2>/dev/null)" ] || fail "a second welcome"
echo "first start: ok"
