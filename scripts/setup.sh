#!/usr/bin/env bash
# Installs what building and testing Pellico needs on a Debian machine. Idempotent: when
# everything is there it returns at once.
set -euo pipefail

# Both MinGW compilers and both Wines: the product is 32-bit, and the 64-bit tree runs the
# Windows-side tests on kernels that cannot run 32-bit programs.
packages=(cmake make g++ googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32 wine64
          xvfb xauth xdotool x11-utils imagemagick locales fonts-wqy-microhei clang
          libclang-rt-14-dev valgrind)

sudo=""
if [ "$(id -u)" != 0 ]; then sudo="sudo"; fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# The tests run under a Chinese locale so that the ANSI code page is 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
    echo "setup: generating zh_CN.UTF-8"
    $sudo sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi

# The product is a 32-bit program: where this kernel cannot run one, an emulator is registered.
bash "$(dirname "$0")/i386.sh" setup
