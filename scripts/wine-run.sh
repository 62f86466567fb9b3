#!/usr/bin/env bash
# CTest's emulator for the Windows trees: runs a Windows program under the tree's Wine (wine
# for win32, wine64 for win64) inside the test desktop that scripts/test-desktop.sh started
# for this build tree.
set -euo pipefail
exe=${1:?usage: wine-run.sh PROGRAM.exe [ARGS...]}
dir=$(cd "$(dirname "$exe")" && pwd)
while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
envfile="$dir/desktop/env"
if [ ! -f "$envfile" ]; then
    echo "wine-run: no test desktop for $dir (run scripts/test-desktop.sh start $dir)" >&2
    exit 1
fi
# shellcheck disable=SC1090
. "$envfile"
# Tests of the product tree's programs (PELLICO_PRODUCT_TREE, driven from this tree) keep
# their screenshots with that tree.
if [ -n "${PELLICO_PRODUCT_TREE:-}" ]; then
    PELLICO_SHOTS=$PELLICO_PRODUCT_TREE/screenshots
    mkdir -p "$PELLICO_SHOTS"
fi
# Windows programs see the screenshot folder as a drive path.
PELLICO_SHOTS="Z:$(echo "$PELLICO_SHOTS" | tr / '\\')"
export PELLICO_SHOTS
# PELLICO_LOG_PIXELS=120|144|192 runs the program at that display density: Wine reads the
# prefix's LogPixels when a process starts, so it is set for this run and taken away after it
# (the Windows-side tests of a tree run one at a time).
if [ -n "${PELLICO_LOG_PIXELS:-}" ]; then
    key='HKCU\Control Panel\Desktop'
    "$WINE" reg add "$key" /v LogPixels /t REG_DWORD /d "$PELLICO_LOG_PIXELS" /f >/dev/null 2>&1
    trap '"$WINE" reg delete "$key" /v LogPixels /f >/dev/null 2>&1' EXIT
    # Stopped from outside (a time-out), the run ends its program and still takes the density
    # away, which a later program of the tree would otherwise come up at.
    trap 'kill "$program" 2>/dev/null; exit 143' TERM INT
    "$WINE" "$@" &
    program=$!
    wait "$program"
    exit
fi
exec "$WINE" "$@"
