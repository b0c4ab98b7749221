#!/usr/bin/env bash
# Fails when the static library $1 leaves undefined a symbol that the shared library $2
# defines (its version suffix, "@@Qt_6", aside),
# i.e. when linking $1 would pull $2 in.
set -euo pipefail
library=$1
forbidden=$2
needed=$(mktemp)
offered=$(mktemp)
trap 'rm -f "$needed" "$offered"' EXIT
nm --undefined-only --format=just-symbols "$library" | sort -u >"$needed"
nm -D --defined-only --format=just-symbols "$forbidden" | sed "s/@.*//" | sort -u >"$offered"
found=$(comm -12 "$needed" "$offered")
if [ -n "$found" ]; then
    echo "$(basename "$library") uses $(basename "$forbidden"):" >&2
    echo "$found" | c++filt | sed 's/^/  /' >&2
    exit 1
fi
echo "$(wc -l <"$needed") undefined symbols of $(basename "$library") checked: none from $(basename "$forbidden")"
