#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on a slow network folder: mounts a folder whose every file operation waits
# KF_DELAY_MS (100 ms by default) through bench/slow_folder (FUSE; needs /dev/fuse and the right
# to mount, fuse3 installed), puts a class of 30 students in it and times a set's end, a change of
# student and the class overview with bench/slow_folder_steps.
# Usage: bench/slow_folder_probe.sh [build folder, default build/release] [runs, default 3]
set -euo pipefail
build=$(realpath "${1:-build/release}")
runs=${2:-3}
delay=${KF_DELAY_MS:-100}
for tool in slow_folder slow_folder_steps; do
    [ -x "$build/bin/$tool" ] || { echo "build $build/bin/$tool first" >&2; exit 1; }
done
[ -c /dev/fuse ] || { echo "no /dev/fuse here" >&2; exit 1; }

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$work/server" "$work/mounted"
cleanup() {
    fusermount3 -u "$work/mounted" 2>/dev/null || umount "$work/mounted" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# The class is put on the server side directly, at full speed.
for i in $(seq -w 1 30); do
    head -c 110824 /dev/zero >"$work/server/Student$i.stu"
done
"$build/bin/slow_folder" "$work/server" "$work/mounted" "$delay"
for _ in $(seq 50); do
    mountpoint -q "$work/mounted" && break
    sleep 0.1
done
mountpoint -q "$work/mounted" || { echo "the slow folder was not mounted" >&2; exit 1; }
echo "every file operation of $work/mounted waits $delay ms"
QT_QPA_PLATFORM=offscreen "$build/bin/slow_folder_steps" "$work/mounted" "$runs"
