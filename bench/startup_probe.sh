#!/usr/bin/env bash
# Start-up and memory probe: starts a bare Qt Widgets 800 x 600 window (bench/bare_window.cpp)
# and keyfarer in turn under one Xvfb, after one warm-up run of each. bench/window_watch times
# each start from the X server's side, without polling: until the window is mapped, until its
# first drawing is over, the processor time spent by then, and the resident memory 2 s after
# start (now and at its peak). Prints every run, the medians and keyfarer's ratios to the bare
# window. A third program, bench/text_window.cpp (the bare window with a menu bar and four lines
# of text), shows what showing words costs by itself.
# keyfarer starts as a returning student's does: on a working folder holding the shipped files
# and one student (made once, by typing, before the runs). KF_FIRST_RUN=1 starts it on a folder
# that does not exist yet instead, which it creates and fills and then greets the first student.
# Usage: bench/startup_probe.sh [build folder] [runs]   (default build/release, 7 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")
runs=${2:-7}
keyfarer=$build/bin/keyfarer
bare=$build/bin/bare_window
text=$build/bin/text_window
watch=$build/bin/window_watch
for bin in "$keyfarer" "$bare" "$text" "$watch"; do
    [ -x "$bin" ] || { echo "no program at $bin: build the release preset first" >&2; exit 1; }
done
export KEYFARER_SHARE=$build/share/keyfarer

if [ -z "${DISPLAY:-}" ]; then
    # xvfb-run is a plain shell script: run this script again inside it.
    export XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$build" "$runs"
    exit
fi

# A working folder with one student in it, made as a student makes it.
template=$(mktemp -d)
export KEYFARER_BIN=$keyfarer KEYFARER_HOME=$template
source tests/e2e/drill_steps.sh
prepare_folder >/dev/null
trap 'rm -rf "$template"' EXIT
rm -f "$template"/*.lock

# One start: prints "ms-to-mapped ms-to-drawn cpu-ms-to-drawn rss-KiB peak-rss-KiB".
start_once() {
    local bin=$1 title=$2 home
    home=$(mktemp -d)
    if [ "$bin" = "$keyfarer" ] && [ -z "${KF_FIRST_RUN:-}" ]; then
        cp -p "$template"/* "$home"/
    else
        rmdir "$home"
    fi
    KEYFARER_HOME=$home "$watch" "$title" 2000 "$bin"
    rm -rf "$home"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

results=$(mktemp)
start_once "$bare" "Bare Qt Window" >/dev/null
start_once "$text" "Text Qt Window" >/dev/null
start_once "$keyfarer" "Keyfarer Typing Tutor" >/dev/null
for _ in $(seq "$runs"); do
    echo "bare $(start_once "$bare" "Bare Qt Window")" >>"$results"
    echo "text $(start_once "$text" "Text Qt Window")" >>"$results"
    echo "keyfarer $(start_once "$keyfarer" "Keyfarer Typing Tutor")" >>"$results"
done
echo "runs (program, ms to mapped, ms to drawn, CPU ms to drawn, RSS KiB, peak RSS KiB):"
sort -s -k1,1 "$results"
for column in 2:mapped-ms 3:drawn-ms 4:CPU-ms 5:RSS-KiB 6:peak-KiB; do
    name=${column#*:}
    b=$(awk -v c=${column%%:*} '$1 == "bare" {print $c}' "$results" | median)
    t=$(awk -v c=${column%%:*} '$1 == "text" {print $c}' "$results" | median)
    k=$(awk -v c=${column%%:*} '$1 == "keyfarer" {print $c}' "$results" | median)
    printf 'median %-10s bare %8s  text %8s (%s)  keyfarer %8s  ratio %s\n' "$name" "$b" "$t" \
        "$(awk -v b="$b" -v k="$t" 'BEGIN {printf "%.2f", k / b}')" "$k" \
        "$(awk -v b="$b" -v k="$k" 'BEGIN {printf "%.2f", k / b}')"
done
rm -f "$results"
