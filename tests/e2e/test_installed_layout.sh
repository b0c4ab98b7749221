#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as installed under a prefix, started by a new user with no environment of ours:
# the command line answers without a display, the first start makes the per-user data folder and
# fills it from <prefix>/share/keyfarer (or the build folder's share/keyfarer, for the program in
# the build folder), and the installed files are never touched.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'kill "${program:-}" 2>/dev/null || true; chmod -R u+w "$work"; rm -rf "$work"' EXIT
build=$(dirname "$(dirname "$KEYFARER_BIN")")
cmake --install "$build" --prefix "$work/usr" >/dev/null
bin="$work/usr/bin/keyfarer"
shared="$work/usr/share/keyfarer"
chmod -R a-w "$work/usr"
# Every installed file with its time and content, the translations folder included.
fingerprint() {
    (cd "$shared" && ls -lR --time-style=+%s.%N && find . -type f -exec sha256sum -- {} + | sort)
}
before=$(fingerprint)

# A user with nothing set but a home, the display and its key.
home="$work/home"
mkdir "$home"
# (A sanitizer build keeps its options.)
no_display=(env -i HOME="$home" PATH=/usr/bin:/bin)
for option in ASAN_OPTIONS UBSAN_OPTIONS; do
    [ -z "${!option:-}" ] || no_display+=("$option=${!option}")
done
new_user=("${no_display[@]}" DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}")

# The command line, without a display.
"${no_display[@]}" "$bin" --version | grep -qx 'keyfarer [0-9]*\.[0-9]*\.[0-9]*' || fail "--version"
"${no_display[@]}" "$bin" --help | grep -q -- '--working-folder <folder>' || fail "--help"
status=0
"${no_display[@]}" "$bin" --no-such-option 2>"$work/error" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option exits with $status"
grep -q "no-such-option" "$work/error" || fail "the unknown option is not named: $(cat "$work/error")"
[ ! -e "$home/.local" ] || fail "the command line alone made the data folder"

# A first start of program as a new user whose home is home: the data folder is made and
# filled from shared.
first_start() {
    local program_file=$1 from=$2 home=$3
    "${new_user[@]}" HOME="$home" "$program_file" &
    program=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name 'Keyfarer Typing Tutor' | head -1)
    [ -n "$window" ] || fail "the main window of $program_file did not appear"
    local data="$home/.local/share/keyfarer"
    [ -d "$data" ] || fail "no per-user data folder $data"
    for shipped in "$from"/*; do
        [ -f "$shipped" ] || continue # the translations are read where they were installed
        cmp -s "$shipped" "$data/$(basename "$shipped")" ||
            fail "$(basename "$shipped") was not copied from $from into $data"
    done
    [ -w "$data/keybord20.bmp" ] || fail "the copies are read-only"
    kill "$program"
    wait "$program" 2>/dev/null || true
    [ -z "$(xdotool search --onlyvisible --name 'Keyfarer' 2>/dev/null)" ] || fail "a window stayed"
}

first_start "$bin" "$shared" "$home"
# The same from the build folder, whose share/keyfarer sits where an installed one does.
mkdir "$work/home2"
first_start "$KEYFARER_BIN" "$KEYFARER_SHARE" "$work/home2"

after=$(fingerprint)
[ "$before" = "$after" ] || fail "the installed files changed"

# Pointed at the installed folder itself, it says so and stops instead of writing there.
"${new_user[@]}" "$bin" --working-folder "$shared" &
program=$!
box=$(timeout 30 xdotool search --sync --onlyvisible --name '^Keyfarer$' | head -1)
[ -n "$box" ] || fail "no message about the installed folder"
# The box may take a moment to take keys after it shows.
for _ in 1 2 3 4 5 6 7 8 9 10; do
    xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
    sleep 0.5
    kill -0 "$program" 2>/dev/null || break
done
status=0
wait "$program" || status=$?
[ "$status" -eq 1 ] || fail "the installed folder as working folder gave status $status"
[ "$before" = "$(fingerprint)" ] ||
    fail "the installed files changed"
echo "installed layout: ok"
