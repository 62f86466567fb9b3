#!/usr/bin/env bash
# The test desktop: one Xvfb display and one Wine prefix with a default virtual desktop, so
# every Wine process of a run shares one desktop with a taskbar and a notification area.
#
#   test-desktop.sh start BUILD_DIR    start Xvfb and the desktop, write BUILD_DIR/desktop/env
#   test-desktop.sh stop BUILD_DIR     end what start started (and nothing else)
#   test-desktop.sh shot BUILD_DIR NAME  save a screenshot as BUILD_DIR/screenshots/NAME.png
#   test-desktop.sh prefix BUILD_DIR   only make the prefix (for a run on the user's display),
#                                      write BUILD_DIR/desktop/prefix.env
#
# The prefix lives in BUILD_DIR/wineprefix and is initialised once per build tree. Its
# architecture is the tree's (BUILD_DIR/wine-arch, written by CMake): a win32 prefix run by
# `wine` for the 32-bit tree, a win64 prefix run by wine64 for the 64-bit one.
set -euo pipefail

cmd=${1:?usage: test-desktop.sh start|stop|shot|prefix BUILD_DIR [NAME]}
build=$(cd "${2:?build directory}" && pwd)
state="$build/desktop"
envfile="$state/env"
mkdir -p "$state"

arch=$(cat "$build/wine-arch" 2>/dev/null || echo win32)
case "$arch" in
win32) WINE=wine ;;
win64)
    WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
    # Debian's `wine` picks wine32 whenever it is installed, even where it cannot run;
    # programs that Wine itself starts must come up under wine64 too.
    export WINELOADER=$WINE
    ;;
*) echo "test-desktop: unknown Wine architecture '$arch' in $build/wine-arch" >&2; exit 1 ;;
esac
export WINE

desktop_env() {
    export WINEPREFIX="$build/wineprefix" WINEARCH=$arch WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

# The variables a shell needs to run this tree's programs in its prefix.
prefix_vars() {
    echo "export WINEPREFIX=$WINEPREFIX WINEARCH=$arch WINE=$WINE${WINELOADER:+ WINELOADER=$WINELOADER}"
    echo 'export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8'
}

free_display() {
    for n in $(seq 91 160); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return
        fi
    done
    echo "test-desktop: no free X display" >&2
    exit 1
}

init_prefix() {
    if [ -f "$WINEPREFIX/.pellico-ready" ]; then return; fi
    echo "test-desktop: initialising the Wine prefix (once per build tree)"
    rm -rf "$WINEPREFIX"
    "$WINE" wineboot.exe -i >/dev/null 2>&1
    wineserver -w
    local reg="$state/desktop.reg"
    # A default virtual desktop for every process, and the CJK font standing in for SimSun.
    cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1280x800"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops\Default]
"EnableShell"=dword:00000001

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"MS Shell Dlg"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
REG
    iconv -f UTF-8 -t UTF-16LE "$reg" | { printf '\xff\xfe'; cat; } >"$reg.u16"
    "$WINE" regedit.exe /S "$(echo "Z:$reg.u16" | tr / '\\')" >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.pellico-ready"
}

# Wine's visual style "Light" on, as Windows always has a style on: its only colour and size
# (any other value turns theming off). Tests that want the classic look set ThemeActive to "0"
# for the programs they start and put it back.
theme_prefix() {
    if [ -f "$WINEPREFIX/.pellico-theme" ]; then return; fi
    local reg="$state/theme.reg"
    cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager]
"ThemeActive"="1"
"DllName"="C:\\windows\\resources\\themes\\light\\light.msstyles"
"ColorName"="Blue"
"SizeName"="NormalSize"
REG
    "$WINE" regedit.exe /S "$(echo "Z:$reg" | tr / '\\')" >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.pellico-theme"
}

start() {
    if [ -f "$envfile" ]; then stop_quiet; fi
    desktop_env
    local n
    n=$(free_display)
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp </dev/null >"$state/xvfb.log" 2>&1 &
    local xpid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    init_prefix
    theme_prefix
    # The desktop process stays for the whole run; the wineserver stays with it.
    wineserver -p </dev/null >/dev/null 2>&1
    (setsid "$WINE" explorer.exe /desktop=Default,1280x800 </dev/null >"$state/explorer.log" 2>&1 &)
    # Wait until the desktop window with its taskbar exists.
    for _ in $(seq 100); do
        xwininfo -root -children 2>/dev/null | grep -q 'Wine desktop' && break
        sleep 0.1
    done
    {
        echo "export DISPLAY=:$n"
        prefix_vars
        echo "export PELLICO_SHOTS=$build/screenshots"
        echo "XVFB_PID=$xpid"
    } >"$envfile"
    mkdir -p "$build/screenshots"
    echo "test-desktop: display :$n, $arch prefix $WINEPREFIX"
}

stop_quiet() {
    # shellcheck disable=SC1090
    . "$envfile"
    WINEPREFIX=$WINEPREFIX wineserver -k >/dev/null 2>&1 || true
    kill "$XVFB_PID" >/dev/null 2>&1 || true
    rm -f "$envfile"
}

case "$cmd" in
start) start ;;
prefix)
    desktop_env
    init_prefix
    theme_prefix
    prefix_vars >"$state/prefix.env"
    ;;
stop) [ -f "$envfile" ] && stop_quiet; echo "test-desktop: stopped" ;;
shot)
    name=${3:?screenshot name}
    # shellcheck disable=SC1090
    . "$envfile"
    mkdir -p "$build/screenshots"
    import -window root "$build/screenshots/$name.png"
    echo "$build/screenshots/$name.png"
    ;;
*) echo "usage: test-desktop.sh start|stop|shot|prefix BUILD_DIR [NAME]" >&2; exit 2 ;;
esac
