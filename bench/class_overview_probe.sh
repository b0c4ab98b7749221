#!/usr/bin/env bash
# Class overview against cat: makes a folder of student files with figures in them (1,000 by
# default, 110,824 bytes each, about 110 MB), then times "keyfarer --class-csv FOLDER" and
# "cat FOLDER/*.stu" over it, both with the files in the page cache, and the same program on an
# empty folder for its start-up. Reports the program's cost beyond start-up as a multiple of cat.
# Each student also gets a press journal of 20,000 presses by default (0: none), which the
# overview opens for the class goals' columns; cat reads the student files only.
# Usage: bench/class_overview_probe.sh [path/to/keyfarer] [students] [runs] [journal presses]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/bin/keyfarer}
students=${2:-1000}
runs=${3:-7}
presses=${4:-20000}
[ -x "$bin" ] || { echo "no program at $bin: build the release preset first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/class" "$work/empty"

# Records with drill figures, histories, a slowest key and words per minute in one section, each
# student's own, written at the record's published offsets.
python3 - "$work/class" "$students" <<'PY'
import random, struct, sys
folder, count = sys.argv[1], int(sys.argv[2])
random.seed(7)
for n in range(count):
    rec = bytearray(110824)
    keys = random.randint(0, 50000)
    errors = random.randint(0, keys // 5 if keys else 0)
    latest = random.randint(1, 600)
    struct.pack_into('<q', rec, 13096, keys * 10000)
    struct.pack_into('<q', rec, 13104, errors * 10000)
    struct.pack_into('<q', rec, 13120, latest * 10000)
    struct.pack_into('<q', rec, 13128, random.randint(0, latest // 4) * 10000)
    struct.pack_into('<8i', rec, 32344, *[random.randint(50, 100) for _ in range(8)])
    rec[32468] = random.randint(ord('a'), ord('z'))
    struct.pack_into('<i', rec, 32472, random.randint(8, 60))
    struct.pack_into('<qqq', rec, 37344, 600 * 10000, 2500 * 10000, 40 * 10000)
    with open(f"{folder}/Student {n:04d}.stu", "wb") as f:
        f.write(rec)
PY
# One journal in the program's schema (students/JournalDatabase.cpp, version 1), with a set of 30
# keys after another and each key's trend, copied for every student.
if [ "$presses" -gt 0 ]; then
python3 - "$work/template.presses" "$presses" <<'PY'
import random, sqlite3, sys
path, count = sys.argv[1], int(sys.argv[2])
random.seed(11)
db = sqlite3.connect(path)
db.executescript("""
CREATE TABLE presses (at INTEGER NOT NULL, kind INTEGER NOT NULL, nationality INTEGER NOT NULL,
    set_no INTEGER NOT NULL, target INTEGER NOT NULL, typed INTEGER NOT NULL,
    hit INTEGER NOT NULL, ms INTEGER NOT NULL);
CREATE TABLE key_trends (key INTEGER PRIMARY KEY, smoothed_ms REAL NOT NULL,
    smoothed_accuracy REAL NOT NULL, sets INTEGER NOT NULL, presses INTEGER NOT NULL,
    hits INTEGER NOT NULL);
PRAGMA user_version=1;
""")
keys = [ord(c) for c in "asdfjkl;ghqwertyuiopzxcvbnm"]
rows = []
for i in range(count):
    target = random.choice(keys)
    hit = random.random() > 0.06
    rows.append((1800000000 + i, 0, 0, i // 30 + 1, target, target if hit else random.choice(keys),
                 int(hit), random.randint(150, 1500)))
db.executemany("INSERT INTO presses VALUES (?, ?, ?, ?, ?, ?, ?, ?)", rows)
db.executemany("INSERT INTO key_trends VALUES (?, ?, ?, ?, ?, ?)",
               [(k, random.uniform(250, 900), random.uniform(0.8, 1.0), count // 30, count // 27,
                 count // 29) for k in keys])
db.commit()
PY
    for f in "$work/class"/*.stu; do cp "$work/template.presses" "${f%.stu}.presses"; done
fi
echo "files: $(ls "$work/class" | wc -l), bytes: $(du -sb "$work/class" | cut -f1)"

# Milliseconds of the fastest of $runs runs of a command (output thrown away).
fastest() {
    local best=""
    for _ in $(seq "$runs"); do
        local start end took
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        took=$(( (end - start) / 1000 ))
        if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
    done
    echo "$best"
}

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
cat "$work/class"/* >/dev/null # into the page cache, journals too
"$bin" --class-csv "$work/class" | head -3 || true

cat_us=$(fastest sh -c "cat \"$work/class\"/*.stu")
noop_us=$(fastest sh -c "true")
startup_us=$(fastest "$bin" --class-csv "$work/empty")
class_us=$(fastest "$bin" --class-csv "$work/class")

awk -v cat="$cat_us" -v noop="$noop_us" -v start="$startup_us" -v class="$class_us" 'BEGIN {
    catnet = cat - noop; beyond = class - start
    printf "cat over the files:               %8.1f ms (%.1f ms beyond starting a shell)\n", cat / 1000, catnet / 1000
    printf "keyfarer --class-csv, no files:   %8.1f ms (start-up)\n", start / 1000
    printf "keyfarer --class-csv, the files:  %8.1f ms\n", class / 1000
    printf "cost beyond start-up:             %8.1f ms = %.2f x cat (target: at most 3 x)\n", beyond / 1000, beyond / catnet
}'
