#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one real-window test, and once more when it fails. These tests drive the real program at a
# human pace on an X server shared with a busy build machine, where a window now and then comes
# later than any fixed wait allows. A test fails only when both runs fail; a first failure is
# added to the log given (scripts/test prints it at its end), so a test that needed its second
# try is seen and mended rather than hidden.
# Usage: second_try.sh LOG COMMAND...
set -uo pipefail
log=$1
shift
first=$(mktemp)
trap 'rm -f "$first"' EXIT
"$@" >"$first" 2>&1 && { cat "$first"; exit 0; }
{
    echo "== $(basename "${!#}") failed its first run and was run again; the first run said:"
    tail -n 20 "$first"
} >>"$log"
"$@"
