#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a Wayland desktop: sway's headless backend as the compositor, wtype typing
# through the virtual-keyboard protocol. A student is made, a drill opened from the keyboard and
# a set of é (dead acute, then e) and @ typed on a Spanish keyboard, booked without a miss.
set -euo pipefail
source "$(dirname "$0")/drill_steps.sh"

# Everything Wayland runs as one account that is not root: sway refuses to be root's compositor
# for other users' programs, and the socket belongs to whoever started it.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    account=61003
    chown "$account:$account" "$KEYFARER_HOME" "$XDG_RUNTIME_DIR"
    as_user=(setpriv --reuid="$account" --regid="$account" --clear-groups)
fi
config="$XDG_RUNTIME_DIR/sway.config"
printf 'xwayland disable\noutput * resolution 1024x768\n' >"$config"
wayland() {
    "${as_user[@]}" env -u DISPLAY XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" WAYLAND_DISPLAY=wayland-kf \
        SWAYSOCK="$XDG_RUNTIME_DIR/sway.sock" "$@"
}
# The same in the background, as the process whose number $! gives, so it can be stopped.
wayland_process() { exec "${as_user[@]}" env -u DISPLAY XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
    WAYLAND_DISPLAY=wayland-kf SWAYSOCK="$XDG_RUNTIME_DIR/sway.sock" "$@"; }
# sway makes its IPC socket where SWAYSOCK says, and names its Wayland socket itself.
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    wayland_process env -u WAYLAND_DISPLAY sway -c "$config" >"$XDG_RUNTIME_DIR/sway.log" 2>&1 &
compositor=$!
trap 'kill "${program:-}" "$compositor" 2>/dev/null; wait 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    socket=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'wayland-[0-9]*' -type s | head -1)
    [ -n "$socket" ] && [ -S "$XDG_RUNTIME_DIR/sway.sock" ] && break
    sleep 0.1
done
[ -n "$socket" ] || fail "sway did not start: $(cat "$XDG_RUNTIME_DIR/sway.log")"
ln -sf "$(basename "$socket")" "$XDG_RUNTIME_DIR/wayland-kf"

# The title of the window that has the keyboard.
focused_title() {
    wayland swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("focused"):
        print(node.get("name") or "")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
wait_for_focus() {
    for _ in $(seq 100); do
        case "$(focused_title)" in "$1"*) return 0 ;; esac
        sleep 0.1
    done
    fail "\"$1\" did not get the keyboard (it is at \"$(focused_title)\")"
}
# wtype brings its own keymap with each call; keys sent before the program has taken it are
# lost, so each call waits a moment first.
keys() { wayland wtype -s 300 -d 40 "$@"; }

start_on_wayland() {
    wayland_process QT_QPA_PLATFORM=wayland KEYFARER_HOME="$KEYFARER_HOME" KEYFARER_SHARE="$KEYFARER_SHARE" \
        LANGUAGE=en "$KEYFARER_BIN" &
    program=$!
    wait_for_focus "$1"
}

start_on_wayland Keyfarer # the welcome, over the main window
keys -k Return
wait_for_focus 'Keyfarer Typing Tutor -- Learn the Keyboard'
keys -k space Pat -k Return # the New User link has the focus
wait_for_file "$student"
# Additional, Keyboard Nationality (its first entry that can be chosen), Spanish.
keys -M alt -k d -m alt -s 300 -k Right -s 300 -k s
for _ in $(seq 50); do
    [ "$(od -An -t u1 -j 41 -N 1 "$student" | tr -d ' ')" = 2 ] && break
    sleep 0.1
done
[ "$(od -An -t u1 -j 41 -N 1 "$student" | tr -d ' ')" = 2 ] || fail "the keyboard is not Spanish"

keys -M alt -k b -m alt -s 300 -k y # Beginners Drills, Choose Your Own Keys
wait_for_focus 'Keyfarer Typing Tutor (Beginners Drills)'
keys -k dead_acute -k e @ -k Tab -k Return -s 300 -k Tab -k Return -s 300 -k space
sleep 0.5
keys -d 120 -k dead_acute -k e @ -k dead_acute -k e @ -k dead_acute -k e @ \
    -k dead_acute -k e @ -k dead_acute -k e @ -s 300 -k Return
for _ in $(seq 50); do
    [ "$(figure 13096)" = 100000 ] && break
    sleep 0.1
done

check_set_of_e_acute_and_at
echo "Wayland: a student made, a drill opened from the keyboard and a set of é and @ booked"
