#!/usr/bin/env bash
# Which Windows build tree runs the Windows-side programs on this machine: prints win32,
# win64 or "win32 win64" on stdout and the reason on stderr.
#
# The product is the 32-bit program, so win32 is the choice wherever this kernel runs 32-bit
# code; some kernels cannot (wine32 then ends with "Exec format error"), and there the 64-bit
# tree under wine64 stands in. PELLICO_WINDOWS=win32|win64|both forces the choice.
set -euo pipefail

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
    # wine32's loader is the 32-bit program to try: it runs without a prefix.
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo win32
        echo "windows: win32 (this kernel runs 32-bit programs)" >&2
    else
        echo win64
        echo "windows: win64 (this kernel cannot run 32-bit programs: wine32 does not start)" >&2
    fi
    ;;
*)
    echo "windows: PELLICO_WINDOWS must be win32, win64 or both, not '$PELLICO_WINDOWS'" >&2
    exit 2
    ;;
esac
