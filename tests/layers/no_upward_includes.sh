#!/usr/bin/env bash
# Fails when a file of a lower folder includes a header of a folder above it: the base folders
# (core/, students/, keyboard/, platform/) never include app/, the program and its windows, and
# core/ includes none of the other folders of the program; no file of the logic library includes
# the windows' whole shared state.
# Usage: no_upward_includes.sh SOURCE-ROOT
set -euo pipefail
cd "$1"
status=0
check() {
    local folder=$1 forbidden=$2 found
    [ -d "$folder" ] || return 0
    found=$(grep -rnE "^#[[:space:]]*include[[:space:]]*\"($forbidden)/" "$folder" || true)
    if [ -n "$found" ]; then
        echo "$folder/ includes $forbidden/:" >&2
        echo "$found" | sed 's/^/  /' >&2
        status=1
    fi
}
for folder in core students keyboard platform; do
    check "$folder" app
done
check core 'students|keyboard|platform|drills|progress|options|overview'

# The logic library's files, as the folders' CMakeLists.txt list them for kfcore, with their
# headers. Logic takes the parts of the shared state it needs; the whole of it (app/Globals.h)
# is for the windows and main() only.
kfcore_files() {
    local list dir
    for list in */CMakeLists.txt; do
        dir=${list%/CMakeLists.txt}
        awk '/target_sources\(kfcore/ { listing = 1 }
             listing { closing = /\)/; gsub(/\)/, " ")
                       for (i = 1; i <= NF; ++i) if ($i ~ /\.(cpp|h)$/) print $i
                       if (closing) listing = 0 }' "$list" |
            while read -r file; do
                echo "$dir/$file"
                [ -f "$dir/${file%.cpp}.h" ] && echo "$dir/${file%.cpp}.h"
            done
    done
}
found=$(kfcore_files | sort -u | xargs grep -nE '^#[[:space:]]*include[[:space:]]*"app/Globals\.h"' || true)
if [ -n "$found" ]; then
    echo "logic (kfcore) includes app/Globals.h:" >&2
    echo "$found" | sed 's/^/  /' >&2
    status=1
fi
[ "$status" -eq 0 ] && echo "no lower folder includes a folder above it"
exit "$status"
