#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A teacher opens the class overview from the menu before anyone has taken a name, with real
# key presses; the student files stay exactly as they were.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A working folder already in use: the shipped files and two student files.
find "$KEYFARER_SHARE" -maxdepth 1 -type f -exec cp {} "$KEYFARER_HOME"/ \;
head -c 110824 /dev/zero >"$KEYFARER_HOME/Ann.stu"
head -c 500 /dev/zero >"$KEYFARER_HOME/Short.stu"
before=$(cd "$KEYFARER_HOME" && stat -c '%n %s %Y' ./*.stu && md5sum ./*.stu)

"$KEYFARER_BIN" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --name 'Keyfarer Typing Tutor' | head -1)
[ -n "$window" ] || fail "the main window did not appear"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5

# "A&dditional", then "&Class Overview".
xdotool key --clearmodifiers alt+d
sleep 0.5
xdotool key c
overview=""
for _ in $(seq 100); do
    overview=$(xdotool search --pid "$program" --all --name '^Class Overview' 2>/dev/null | head -1 || true)
    [ -n "$overview" ] && break
    sleep 0.1
done
[ -n "$overview" ] || fail "the class overview did not open"
xwininfo -id "$overview" | grep -q IsViewable || fail "the class overview is not shown"

kill "$program"
wait "$program" 2>/dev/null || true
after=$(cd "$KEYFARER_HOME" && stat -c '%n %s %Y' ./*.stu && md5sum ./*.stu)
[ "$before" = "$after" ] || fail "a student file changed: $before / $after"
ls "$KEYFARER_HOME" | grep -q '\.lock$' && fail "a lock file was left"
echo "ok"
