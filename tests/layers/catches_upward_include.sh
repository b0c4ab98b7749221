#!/usr/bin/env bash
# The layer check itself: on a copy of the source folders with one include planted that runs up
# the order (a shared control that reaches for a window's subject, and a key-table file that
# reaches for a shared control), it must fail and name both files; across one rank it must pass.
# Usage: catches_upward_include.sh SOURCE-ROOT
set -euo pipefail
root=$(cd "$1" && pwd)
check="$root/tests/layers/no_upward_includes.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
for folder in core keyboard students platform widgets drills options progress overview app; do
    mkdir -p "$tree/$folder"
done
printf '#include "students/StudentRecord.h"\n#include "platform/Clock.h"\n' >"$tree/keyboard/Across.h"
printf '#include "progress/DailyFigures.h"\n' >"$tree/options/AcrossTheRow.cpp"
"$check" "$tree" >/dev/null || { echo "an include across one rank was refused" >&2; exit 1; }

printf '#include "drills/DrillEngine.h"\n' >"$tree/widgets/Planted.h"
printf '#include "widgets/TextColour.h"\n' >"$tree/keyboard/Planted.cpp"
if output=$("$check" "$tree" 2>&1); then
    echo "the layer check passed a tree with two upward includes" >&2
    exit 1
fi
for file in widgets/Planted.h keyboard/Planted.cpp; do
    grep -q "$file" <<<"$output" || { echo "the layer check did not name $file" >&2; exit 1; }
done
echo "the layer check refuses upward includes and names them"
