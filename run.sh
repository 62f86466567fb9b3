#!/usr/bin/env bash
# Builds Pellico.exe and runs it under Wine in a virtual desktop. With an X display the
# desktop opens as a window there; without one it runs on a private Xvfb display, and a
# screenshot is saved to build/win32/screenshots/run.png before the program is closed.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
bash scripts/setup.sh
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build build/win32 -j "$(nproc)" --target Pellico
exe="$root/build/win32/app/Pellico.exe"

if [ -n "${DISPLAY:-}" ]; then
    scripts/test-desktop.sh prefix build/win32
    # shellcheck disable=SC1091
    . build/win32/desktop/prefix.env
    exec wine "$exe"
fi

scripts/test-desktop.sh start build/win32
trap 'scripts/test-desktop.sh stop build/win32 >/dev/null' EXIT
# shellcheck disable=SC1091
. build/win32/desktop/env
wine "$exe" &
sleep "${PELLICO_SHOT_DELAY:-6}"
scripts/test-desktop.sh shot build/win32 run
