#!/usr/bin/env bash
# Builds Pellico.exe and runs it under Wine in a virtual desktop. With an X display the
# desktop opens as a window there; without one it runs on a private Xvfb display, and a
# screenshot is saved to build/TREE/screenshots/run.png before the program is closed.
#
# TREE is win32 (the product) where this kernel runs 32-bit programs, else win64;
# PELLICO_WINDOWS=win32|win64 forces it (scripts/windows-trees.sh).
#
#   ./run.sh                      Pellico
#   ./run.sh gallery [SKINFILE]   the skin gallery, with its own skin or the skin in SKINFILE
#                                 (screenshot: build/TREE/screenshots/gallery.png)
set -euo pipefail
program=Pellico
target=Pellico
path=app/Pellico.exe
skin=""
if [ "${1:-}" = gallery ]; then
    program=gallery
    target=SkinGallery
    path=gallery/SkinGallery.exe
    skin=${2:-}
    if [ -n "$skin" ]; then
        [ -f "$skin" ] || { echo "run.sh: no skin file $skin" >&2; exit 1; }
        skin=$(realpath "$skin")
        skin="Z:${skin//\//\\}" # Wine's drive Z: is the Unix root
    fi
fi
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
cmake --build "build/$tree" -j "$(nproc)" --target "$target"
exe="$root/build/$tree/$path"
args=()

if [ -n "${DISPLAY:-}" ]; then
    scripts/test-desktop.sh prefix "build/$tree"
    # shellcheck disable=SC1090
    . "build/$tree/desktop/prefix.env"
    [ -z "$skin" ] || args=("$skin")
    exec "$WINE" "$exe" "${args[@]}"
fi

scripts/test-desktop.sh start "build/$tree"
trap 'scripts/test-desktop.sh stop "build/$tree" >/dev/null' EXIT
# shellcheck disable=SC1090
. "build/$tree/desktop/env"
[ -z "$skin" ] || args=("$skin")
"$WINE" "$exe" "${args[@]}" &
sleep "${PELLICO_SHOT_DELAY:-6}"
shot=run
[ "$program" = Pellico ] || shot=$program
scripts/test-desktop.sh shot "build/$tree" "$shot"
