#!/usr/bin/env bash
# The lint's configuration reports a finding in a header of the program's folders, found by the
# absolute path a build hands clang-tidy, and ignores the same header outside them (a test's
# or a generated one). The finding here is a function name that breaks the one naming rule.
# Usage: reads_headers.sh SOURCE-ROOT
set -euo pipefail
root=$(cd "$1" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

plant() {
    local folder=$1
    mkdir -p "$tree/$folder"
    printf '#pragma once\nstruct Planted {\n    int Capitalised() const { return 1; }\n};\n' \
        >"$tree/$folder/Planted.h"
    printf '#include "%s/Planted.h"\nint usePlanted() { return Planted{}.Capitalised(); }\n' \
        "$folder" >"$tree/$folder/Planted.cpp"
    # The lint counts a line "file:line:column: warning:" as a finding.
    clang-tidy --quiet --config-file="$root/.clang-tidy" "$tree/$folder/Planted.cpp" -- \
        -std=c++20 -I"$tree" 2>/dev/null | grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error):' || true
}

found=$(plant drills)
grep -q "/drills/Planted.h:3:.*Capitalised.*readability-identifier-naming" <<<"$found" || {
    echo "a capitalised function in drills/Planted.h was not reported:" >&2
    echo "${found:-(nothing)}" >&2
    exit 1
}
found=$(plant tests/drills/data)
if grep -q "Planted.h" <<<"$found"; then
    echo "a header outside the program's folders was reported: $found" >&2
    exit 1
fi
echo "the lint reports findings in the program's headers, and only there"
