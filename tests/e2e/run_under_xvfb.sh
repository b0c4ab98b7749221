#!/usr/bin/env bash
# Runs one end-to-end test script under its own Xvfb server (started with -noreset, so that
# setxkbmap keeps its layout), with a fresh working folder in KEYFARER_HOME.
set -euo pipefail
script=$1
export KEYFARER_HOME
KEYFARER_HOME="$(mktemp -d)"
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$KEYFARER_HOME" "$XDG_RUNTIME_DIR"' EXIT
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$script"
