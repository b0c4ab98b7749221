#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's language decides at start: on a German, French, Spanish or Italian desktop the
# main window greets the student in that language, and on any other in English.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

title_on() {
    local language=$1 expected=$2
    LANGUAGE="$language" LANG="$language.UTF-8" "$KEYFARER_BIN" &
    local program=$!
    local window
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$program" --name 'Keyfarer' |
        head -1) || true
    [ -n "$window" ] || { kill "$program"; fail "no main window on a $language desktop"; }
    # The welcome box may lie over it; the main window's title says the language.
    local found
    found=$(timeout 10 xdotool search --all --onlyvisible --pid "$program" --name "^$expected" |
        head -1) || true
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    [ -n "$found" ] || fail "on a $language desktop the title does not begin \"$expected\""
}

# The titles' first words, which tell the languages apart.
title_on de_DE 'Keyfarer Tipptrainer -- Lerne die Tastatur'
title_on fr_FR 'Keyfarer, apprendre '
title_on es_ES 'Keyfarer, tutor de mecanograf'
title_on it_IT 'Keyfarer, corso di dattilografia -- Impara la tastiera'
title_on nl_NL 'Keyfarer Typing Tutor -- Learn the Keyboard'
echo "desktop language: ok"
