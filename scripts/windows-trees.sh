#!/usr/bin/env bash
# Which Windows build trees run what on this machine; the reason goes to stderr.
#
#   windows-trees.sh          the trees that run the whole Windows-side suite: win32, win64
#                             or "win32 win64"
#   windows-trees.sh product  how the product's own tests run: "win32 native",
#                             "win32 emulated" or "none"
#
# The product is the 32-bit program, so win32 runs the suite wherever this kernel runs 32-bit
# code natively. Where 32-bit code runs only emulated (scripts/i386.sh tells), the suite would
# take hours, so it runs in win64 under wine64, and the product's own set drives the 32-bit
# programs of win32 from there. PELLICO_WINDOWS=win32|win64|both forces the suite's trees.
set -euo pipefail
cd "$(dirname "$0")"

if [ "${1:-}" = product ]; then
    i386=$(bash i386.sh how 2>/dev/null)
    case "$i386" in
    none) echo none ;;
    *) echo "win32 $i386" ;;
    esac
    exit 0
fi

i386=$(bash i386.sh how)

case "${PELLICO_WINDOWS:-}" in
win32 | win64)
    echo "$PELLICO_WINDOWS"
    echo "windows: $PELLICO_WINDOWS (PELLICO_WINDOWS=$PELLICO_WINDOWS)" >&2
    ;;
both)
    echo "win32 win64"
    echo "windows: win32 and win64 (PELLICO_WINDOWS=both)" >&2
    ;;
"")
    case "$i386" in
    native)
        echo win32
        echo "windows: suite in win32 (this kernel runs 32-bit programs)" >&2
        ;;
    emulated)
        echo win64
        echo "windows: suite in win64 (32-bit programs run only emulated here); product in win32, emulated" >&2
        ;;
    *)
        echo win64
        echo "windows: suite in win64 (this kernel cannot run 32-bit programs)" >&2
        ;;
    esac
    ;;
*)
    echo "windows: PELLICO_WINDOWS must be win32, win64 or both, not '$PELLICO_WINDOWS'" >&2
    exit 2
    ;;
esac
