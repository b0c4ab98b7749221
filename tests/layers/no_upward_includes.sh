#!/usr/bin/env bash
# Fails when a file includes a header of a folder above its own in the layer order
#     core < keyboard, students, platform < widgets < drills, options, progress, overview < app
# (folders of one rank may include each other), or when a file of the logic library includes the
# windows' whole shared state (app/Globals.h).
# Usage: no_upward_includes.sh SOURCE-ROOT
set -euo pipefail
cd "$1"
status=0

# The rank of each folder of the program; a folder not named here is not part of the order.
rank_of() {
    case "$1" in
    core) echo 0 ;;
    keyboard | students | platform) echo 1 ;;
    widgets) echo 2 ;;
    drills | options | progress | overview) echo 3 ;;
    app) echo 4 ;;
    *) echo "" ;;
    esac
}

folders=()
for folder in core keyboard students platform widgets drills options progress overview app; do
    [ -d "$folder" ] && folders+=("$folder")
done
upward=$(
    { grep -rnE '^#[[:space:]]*include[[:space:]]*"[a-z]+/' --include='*.h' --include='*.cpp' \
        "${folders[@]}" || true; } |
        while IFS= read -r hit; do
            file=${hit%%:*}
            from=${file%%/*}
            target=$(echo "$hit" | sed -E 's/^[^:]*:[0-9]+:#[[:space:]]*include[[:space:]]*"([a-z]+)\/.*/\1/')
            from_rank=$(rank_of "$from")
            to_rank=$(rank_of "$target")
            [ -n "$to_rank" ] || continue
            if [ "$to_rank" -gt "$from_rank" ]; then
                echo "$hit"
            fi
        done
)
if [ -n "$upward" ]; then
    echo "includes that run up the layers:" >&2
    echo "$upward" | sed 's/^/  /' >&2
    status=1
fi

# The logic library's files, as the folders' CMakeLists.txt list them for kfcore, with their
# headers. Logic takes the parts of the shared state it needs; the whole of it (app/Globals.h)
# is for the main window and main() only.
kfcore_files() {
    local list dir
    for list in */CMakeLists.txt; do
        [ -f "$list" ] || continue
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
found=$(kfcore_files | sort -u | xargs -r grep -nE '^#[[:space:]]*include[[:space:]]*"app/Globals\.h"' || true)
if [ -n "$found" ]; then
    echo "logic (kfcore) includes app/Globals.h:" >&2
    echo "$found" | sed 's/^/  /' >&2
    status=1
fi
[ "$status" -eq 0 ] && echo "no include runs up the layers"
exit "$status"
