#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts without the charting, printing, sound, speech and network libraries mapped; the
# statistics window, opened by a click on "Your Stats", brings Qt Charts in from its module and
# still leaves printing out until something is printed.
set -euo pipefail
source "$(dirname "$0")/drill_steps.sh"

mapped() { grep -q "$1" "/proc/$program/maps"; }

prepare_folder
start_program
# (Qt Gui itself needs the GL dispatch libraries, so a bare Qt window maps those too.)
for library in libQt6Charts libQt6Multimedia libQt6PrintSupport libQt6Network libQt6OpenGL \
    libpulse libsndfile libspeechd; do
    mapped "$library" && fail "$library is mapped at start"
done

click 600 82  # Select User
click 300 190 # Pat
click 400 353 # Use this name
click 590 163 # Your Stats
charts=$(timeout 30 xdotool search --sync --name '^Statistics$' | head -1)
[ -n "$charts" ] || fail "the statistics window did not appear"
wait_until_viewable "$charts" "the statistics window"
mapped libQt6Charts || fail "the statistics window showed without Qt Charts"
mapped libQt6PrintSupport && fail "opening the statistics window mapped the printing library"
kill -0 "$program" || fail "the program ended"
echo "lazy modules: nothing extra at start, the charts module on first use"
