#!/usr/bin/env bash
# Fails when a file of a lower folder includes a header of a folder above it: the base folders
# (core/, students/, keyboard/, platform/) never include app/, the program and its windows, and
# core/ includes none of the other folders of the program.
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
[ "$status" -eq 0 ] && echo "no lower folder includes a folder above it"
exit "$status"
