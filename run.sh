#!/usr/bin/env bash
# Builds Pellico.exe and runs it under Wine in a virtual desktop. With an X display the
# desktop opens as a window there; without one it runs on a private Xvfb display, and a
# screenshot is saved to build/TREE/screenshots/run.png before the program is closed.
#
# TREE is win32 (the product) where this kernel runs 32-bit programs, else win64;
# PELLICO_WINDOWS=win32|win64 forces it (scripts/windows-trees.sh).
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
bash scripts/setup.sh
tree=$(scripts/windows-trees.sh)
tree=${tree%% *} # "both" runs the product
case "$tree" in
win32) toolchain=mingw-i686 ;;
win64) toolchain=mingw-x86_64 ;;
esac
cmake -S . -B "build/$tree" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" >/dev/null
cmake --build "build/$tree" -j "$(nproc)" --target Pellico
exe="$root/build/$tree/app/Pellico.exe"

if [ -n "${DISPLAY:-}" ]; then
    scripts/test-desktop.sh prefix "build/$tree"
    # shellcheck disable=SC1090
    . "build/$tree/desktop/prefix.env"
    exec "$WINE" "$exe"
fi

scripts/test-desktop.sh start "build/$tree"
trap 'scripts/test-desktop.sh stop "build/$tree" >/dev/null' EXIT
# shellcheck disable=SC1090
. "build/$tree/desktop/env"
"$WINE" "$exe" &
sleep "${PELLICO_SHOT_DELAY:-6}"
scripts/test-desktop.sh shot "build/$tree" run
