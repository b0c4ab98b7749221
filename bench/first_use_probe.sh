#!/usr/bin/env bash
# First uses of what the program loads late, each in a fresh process (median of several runs):
# - the statistics window: from the request to the window shown and painted (bench/first_charts,
#   under Xvfb), the charts module loaded on the way;
# - the first sound: from play() (bench/first_sound, the sound module loaded on the way, or
#   readied as the program readies it after its first window) to the server opening the sound's
#   stream, as `pactl subscribe` reports it, on a PulseAudio null sink. (Recording the null
#   sink's monitor instead measures the null sink: even paplay's first sample shows there about
#   1.5 s after it starts.)
# Usage: bench/first_use_probe.sh [build folder] [runs]   (default build/release, 7 runs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-7}
share=$build/share/keyfarer
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$build" "$runs"
fi

# first_charts_linked has the window linked in, as the program had before the charts module.
for program in first_charts first_charts_linked; do
    charts=()
    cpu=()
    "$build/bin/$program" >/dev/null # warm-up: the files in the page cache
    for _ in $(seq "$runs"); do
        read -r wall processor < <("$build/bin/$program")
        charts+=("$wall")
        cpu+=("$processor")
    done
    printf '%s, first statistics window (ms): %s\n' "$program" "${charts[*]}"
    printf '%s, median (ms): %s, processor time %s\n' "$program" \
        "$(printf '%s\n' "${charts[@]}" | median)" "$(printf '%s\n' "${cpu[@]}" | median)"
done

command -v pulseaudio >/dev/null || { echo "no pulseaudio: first sound not measured"; exit 0; }
work=$(mktemp -d)
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
cat >"$work/null.pa" <<PA
load-module module-null-sink sink_name=bench
load-module module-native-protocol-unix socket=$work/native auth-anonymous=1
set-default-sink bench
PA
HOME=$work XDG_RUNTIME_DIR=$work pulseaudio -n -F "$work/null.pa" --daemonize=no \
    --exit-idle-time=-1 --log-target=file:"$work/pulse.log" &
server=$!
export PULSE_SERVER=unix:$work/native
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done

# Every stream the server opens, stamped as it is told of it (bash's clock, no process started).
: >"$work/events"
pactl subscribe 2>/dev/null | while read -r line; do
    echo "${EPOCHREALTIME/./} $line"
done >>"$work/events" &
subscriber=$!
trap 'kill $subscriber $server 2>/dev/null; rm -rf "$work"' EXIT
sleep 0.3

for mode in first-use prepared; do
    sound=()
    for run in $(seq 0 "$runs"); do
        : >"$work/events"
        played=$("$build/bin/first_sound" "$(realpath "$share")/click_2.wav" "$mode")
        sleep 0.2
        # The first sound stream (sink input) the server opened after play(), in microseconds.
        opened=$(awk -v t=$((played / 1000)) '/new. on sink-input/ && $1 >= t {print $1; exit}' \
            "$work/events")
        [ -n "$opened" ] || { echo "run $run: no sound stream was opened"; continue; }
        [ "$run" = 0 ] && continue # warm-up
        sound+=($(((opened - played / 1000) / 1000)))
    done
    printf 'first sound (%s), play() to its stream at the server (ms): %s\n' "$mode" "${sound[*]}"
    printf 'first sound (%s), median (ms): %s\n' "$mode" "$(printf '%s\n' "${sound[@]}" | median)"
done
