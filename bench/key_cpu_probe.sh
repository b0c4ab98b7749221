#!/usr/bin/env bash
# CPU per typed key in a running drill: under Xvfb, a student opens "Choose Your Own Keys" with
# the keys f j d k and types 10 sets of 10 keys with real X key events (xdotool), Space before
# each set and Enter after it, at a beginner's pace (with the hand delay set to 100 ms, so all
# three hand frames are drawn before the next key). The
# process's CPU time (all its threads, from /proc) over the typing, divided by the keys typed,
# is the figure: it holds the key handling, the hand frames, the set ends and the timers that run
# meanwhile.
# Usage: bench/key_cpu_probe.sh [build folder] [seconds between keys]   (default build/release, 1)
# After the typing, the process's CPU time per second while a set runs and nobody types (the set
# clock's ticks and the event loop's wake-ups) is printed too: at a beginner's pace part of each
# key's figure is that, whatever the key costs. bench/frame_count counts the frames the drill
# window sends the X server meanwhile, and bench/frame_cost what one frame costs a bare Qt window
# here: frames per key times that is the floor of the figure for any window that draws as often.
# With KF_PERF_DATA=<file> set, perf records where the typing's time goes into that file; with
# KF_FILE_TRACE=<file>, strace lists the files the typing touches (the CPU figure then counts
# strace's overhead too).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
pace=${2:-1}
build=$(realpath "$build")
export KEYFARER_BIN=$build/bin/keyfarer
export KEYFARER_SHARE=$build/share/keyfarer
[ -x "$KEYFARER_BIN" ] || { echo "no program at $KEYFARER_BIN: build the release preset first" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
    export KEYFARER_HOME XDG_RUNTIME_DIR
    KEYFARER_HOME=$(mktemp -d)
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    trap 'rm -rf "$KEYFARER_HOME" "$XDG_RUNTIME_DIR"' EXIT
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$build" "$pace"
    exit
fi

source tests/e2e/drill_steps.sh
frames_file=$XDG_RUNTIME_DIR/frames

# Nanoseconds the process has run on a processor, all threads together.
cpu_ns() { cat /proc/"$program"/task/*/schedstat | awk '{sum += $1} END {print sum}'; }

prepare_folder
# The student's hand delay (milliseconds, a 32-bit number of the student file): 100.
printf '\x64\x00\x00\x00' | dd of="$student" bs=1 seek=32464 conv=notrunc status=none
open_own_keys_drill
xdotool type --delay 60 "fjdk"
xdotool key Tab Return
sleep 0.3
xdotool key Tab Return
sleep 1

sets=10
keys=fjdkfjdkfj
if [ -n "${KF_PERF_DATA:-}" ]; then
    perf record -F 4000 --call-graph dwarf,16384 -p "$program" -o "$KF_PERF_DATA" >/dev/null 2>&1 &
    recorder=$!
    sleep 0.5
fi
if [ -n "${KF_FILE_TRACE:-}" ]; then
    strace -f -e trace=%file,read -p "$program" -o "$KF_FILE_TRACE" 2>/dev/null &
    tracer=$!
    sleep 0.5
fi
"$build/bin/frame_count" "$drill" >"$frames_file" &
counter=$!
sleep 0.2
before=$(cpu_ns)
started=$(date +%s%N)
for _ in $(seq $sets); do
    xdotool key space
    sleep "$pace"
    for ((i = 0; i < ${#keys}; i++)); do
        xdotool key "${keys:i:1}"
        sleep "$pace"
    done
    xdotool key Return
    sleep "$pace"
done
after=$(cpu_ns)
kill "$counter"
wait "$counter" || true
if [ -n "${KF_PERF_DATA:-}" ]; then
    kill -INT "$recorder"
    wait "$recorder" || true
fi
if [ -n "${KF_FILE_TRACE:-}" ]; then
    kill "$tracer"
    wait "$tracer" || true
fi
ended=$(date +%s%N)
typed=$((sets * ${#keys}))
[ "$(figure 13120)" = $((typed * 10000)) ] || fail "the file counts $(figure 13120) presses this session, not $typed"
awk -v cpu=$((after - before)) -v wall=$((ended - started)) -v n=$typed \
    -v frames="$(cat "$frames_file")" 'BEGIN {
    printf "keys typed: %d in %.1f s\n", n, wall / 1e9
    printf "process CPU: %.1f ms, per key: %.3f ms\n", cpu / 1e6, cpu / 1e6 / n
    printf "frames sent to the X server: %d, per key: %.2f\n", frames, frames / n
}'

# A set started and left alone for 10 s.
xdotool key space
sleep 1
idle_before=$(cpu_ns)
sleep 10
idle_after=$(cpu_ns)
awk -v cpu=$((idle_after - idle_before)) 'BEGIN {
    printf "in a set, nobody typing: %.3f ms of CPU per second\n", cpu / 1e6 / 10
}'

# What a frame costs a bare Qt window here: frames per key times this is the floor of the
# per-key figure for any Qt Widgets window that draws as often.
"$build/bin/frame_cost"
