#!/usr/bin/env bash
# Start-up and memory probe: starts keyfarer (release build) under Xvfb on a fresh working
# folder several times, and reports the time until its main window is shown and the peak
# resident memory a few seconds after start.
# Usage: bench/startup_probe.sh [path/to/keyfarer] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/bin/keyfarer}
runs=${2:-5}
[ -x "$bin" ] || { echo "no program at $bin: build the release preset first" >&2; exit 1; }
share=$(cd "$(dirname "$bin")/../share/keyfarer" && pwd)

probe() {
    local home times=() rss=()
    for _ in $(seq "$runs"); do
        home=$(mktemp -d)
        rmdir "$home" # a folder that does not exist yet is created and filled at start
        local start end pid
        start=$(date +%s%N)
        KEYFARER_HOME=$home KEYFARER_SHARE=$share "$bin" &
        pid=$!
        # Polled every 10 ms: xdotool's own --sync waits half a second between looks.
        until xdotool search --onlyvisible --name "Keyfarer Typing Tutor" >/dev/null 2>&1; do
            sleep 0.01
        done
        end=$(date +%s%N)
        sleep 2
        times+=($(( (end - start) / 1000000 )))
        rss+=($(awk '/VmHWM/ {print $2}' "/proc/$pid/status"))
        kill "$pid"; wait "$pid" 2>/dev/null || true
        rm -rf "$home"
    done
    printf 'start-up to shown main window (ms): %s\n' "${times[*]}"
    printf 'median start-up (ms): %s\n' "$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')"
    printf 'peak resident memory (KiB): %s\n' "${rss[*]}"
}

if [ -z "${DISPLAY:-}" ]; then
    # xvfb-run is a plain shell script: run this script again inside it.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$bin" "$runs"
fi
probe
