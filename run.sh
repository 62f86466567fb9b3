#!/usr/bin/env bash
# Builds Pellico.exe and runs it under Wine in a virtual desktop. With an X display the
# desktop opens as a window there; without one it runs on a private Xvfb display, and a
# screenshot is saved to build/TREE/screenshots/run.png before the program is closed.
#
# TREE is win32, the product, wherever 32-bit programs run: natively, or emulated (then in
# the win64 tree's 64-bit Wine prefix, where only the program itself is emulated); win64 on
# machines that cannot run them. PELLICO_WINDOWS=win32|win64 forces it
# (scripts/windows-trees.sh).
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
read -r product how < <(scripts/windows-trees.sh product)
if [ -z "${PELLICO_WINDOWS:-}" ] && [ "$product" = win32 ]; then
    tree=win32
else
    tree=$(scripts/windows-trees.sh)
    tree=${tree%% *} # "both" runs the product
fi
# The Wine prefix and desktop: the program's own tree's, but for 32-bit programs that run only
# emulated, which start from the 64-bit prefix.
desk=$tree
[ "$tree $how" = "win32 emulated" ] && desk=win64

configure() { # configure TREE
    local toolchain=mingw-i686
    [ "$1" = win64 ] && toolchain=mingw-x86_64
    cmake -S . -B "build/$1" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" >/dev/null
}
configure "$tree"
[ "$desk" = "$tree" ] || configure "$desk"
cmake --build "build/$tree" -j "$(nproc)" --target "$target"
exe="$root/build/$tree/$path"
args=()

if [ -n "${DISPLAY:-}" ]; then
    scripts/test-desktop.sh prefix "build/$desk"
    # shellcheck disable=SC1090
    . "build/$desk/desktop/prefix.env"
    [ -z "$skin" ] || args=("$skin")
    exec "$WINE" "$exe" "${args[@]}"
fi

scripts/test-desktop.sh start "build/$desk"
trap 'scripts/test-desktop.sh stop "build/$desk" >/dev/null' EXIT
# shellcheck disable=SC1090
. "build/$desk/desktop/env"
[ -z "$skin" ] || args=("$skin")
"$WINE" "$exe" "${args[@]}" &
sleep "${PELLICO_SHOT_DELAY:-6}"
shot=run
[ "$program" = Pellico ] || shot=$program
scripts/test-desktop.sh shot "build/$desk" "$shot" >/dev/null
if [ "$desk" != "$tree" ]; then
    mkdir -p "build/$tree/screenshots"
    mv "build/$desk/screenshots/$shot.png" "build/$tree/screenshots/$shot.png"
fi
echo "$root/build/$tree/screenshots/$shot.png"
