#!/usr/bin/env bash
# Start-up and memory probe: starts a bare Qt Widgets 800 x 600 window (bench/bare_window.cpp)
# and keyfarer in turn under one Xvfb, each on a fresh working folder, after one warm-up run of
# each. Reports for both the time until the window is shown and the resident memory 2 s after
# start (now and at its peak), their medians and keyfarer's ratio to the bare window.
# Usage: bench/startup_probe.sh [build folder] [runs]   (default build/release, 7 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-7}
keyfarer=$build/bin/keyfarer
bare=$build/bin/bare_window
for bin in "$keyfarer" "$bare"; do
    [ -x "$bin" ] || { echo "no program at $bin: build the release preset first" >&2; exit 1; }
done
share=$(cd "$build/share/keyfarer" && pwd)

# One start: prints "milliseconds-to-window rss-KiB peak-rss-KiB".
start_once() {
    local bin=$1 title=$2 home start end pid
    home=$(mktemp -d)
    rmdir "$home" # a folder that does not exist yet is created and filled at start
    start=$(date +%s%N)
    KEYFARER_HOME=$home KEYFARER_SHARE=$share "$bin" &
    pid=$!
    # Polled every 10 ms: xdotool's own --sync waits half a second between looks.
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        sleep 0.01
    done
    end=$(date +%s%N)
    sleep 2
    echo "$(((end - start) / 1000000)) $(awk '/VmRSS/ {print $2}' "/proc/$pid/status")" \
        "$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$home"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

probe() {
    local results=/tmp/startup_probe.$$
    : >"$results"
    start_once "$bare" "Bare Qt Window" >/dev/null
    start_once "$keyfarer" "Keyfarer Typing Tutor" >/dev/null
    for _ in $(seq "$runs"); do
        echo "bare $(start_once "$bare" "Bare Qt Window")" >>"$results"
        echo "keyfarer $(start_once "$keyfarer" "Keyfarer Typing Tutor")" >>"$results"
    done
    for who in bare keyfarer; do
        printf '%-9s start-up (ms): %s\n' "$who" "$(awk -v w=$who '$1 == w {printf "%s ", $2}' "$results")"
        printf '%-9s RSS (KiB):     %s\n' "$who" "$(awk -v w=$who '$1 == w {printf "%s ", $3}' "$results")"
    done
    local column name b k
    for column in 2:start-up 3:RSS 4:peak-RSS; do
        name=${column#*:}
        b=$(awk -v c=${column%%:*} '$1 == "bare" {print $c}' "$results" | median)
        k=$(awk -v c=${column%%:*} '$1 == "keyfarer" {print $c}' "$results" | median)
        printf 'median %-9s bare %6s  keyfarer %6s  ratio %s\n' "$name" "$b" "$k" \
            "$(awk -v b="$b" -v k="$k" 'BEGIN {printf "%.2f", k / b}')"
    done
    rm -f "$results"
}

if [ -z "${DISPLAY:-}" ]; then
    # xvfb-run is a plain shell script: run this script again inside it.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$build" "$runs"
fi
probe
