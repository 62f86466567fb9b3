#!/usr/bin/env bash
# How this machine runs 32-bit x86 programs, which the product is (wine32 runs Pellico.exe).
#
#   i386.sh how     prints "native", "emulated" or "none" on stdout, the reason on stderr
#   i386.sh setup   where the kernel cannot run them, installs qemu's user-mode emulator and
#                   registers it as qemu-i386 with binfmt_misc; says in one line what it did.
#                   Never fails: a machine that cannot register goes on without them.
#   i386.sh waits   how many times longer than natively tests of 32-bit programs must wait
#
# The answer is read, not timed: a binfmt_misc entry that matches wine32's loader runs it
# (such entries come before the kernel's own ELF loader, so they win even on kernels that
# could run it natively); otherwise the kernel runs it or it does not start at all.
set -uo pipefail

binfmt=/proc/sys/fs/binfmt_misc
loader=/usr/lib/wine/wine   # wine32's loader, the first 32-bit program any run starts
entry=qemu-i386
# The ELF header of a 32-bit little-endian x86 program or library (types 2 and 3), as qemu's
# own binfmt entries give it.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

# hex FILE OFFSET COUNT: COUNT bytes of FILE from OFFSET as one lower-case hex string.
hex() { od -An -v -tx1 -j "$2" -N "$3" "$1" 2>/dev/null | tr -d ' \n'; }

# matching_entry: the enabled binfmt_misc entry whose magic matches wine32's loader, if any.
matching_entry() {
    [ -r "$binfmt/status" ] && [ "$(cat "$binfmt/status")" = enabled ] || return 1
    local f offset want bits have i w m h
    for f in "$binfmt"/*; do
        case "${f##*/}" in register | status) continue ;; esac
        [ "$(head -n 1 "$f")" = enabled ] || continue
        want=$(sed -n 's/^magic //p' "$f")
        [ -n "$want" ] || continue # an extension entry, not a magic one
        offset=$(sed -n 's/^offset //p' "$f")
        bits=$(sed -n 's/^mask //p' "$f")
        have=$(hex "$loader" "${offset:-0}" $((${#want} / 2)))
        [ ${#have} = ${#want} ] || continue
        for ((i = 0; i < ${#want}; i += 2)); do
            w=$((16#${want:i:2}))
            m=$((16#${bits:i:2}))
            [ -n "$bits" ] || m=255
            h=$((16#${have:i:2}))
            [ $((h & m)) = $((w & m)) ] || continue 2
        done
        echo "${f##*/} ($(sed -n 's/^interpreter //p' "$f"))"
        return 0
    done
    return 1
}

how() {
    local found
    if [ ! -x "$loader" ]; then
        echo none
        echo "i386: wine32 is not installed ($loader)" >&2
    elif found=$(matching_entry); then
        echo emulated
        echo "i386: emulated, binfmt_misc entry $found runs wine32" >&2
    elif "$loader" --version >/dev/null 2>&1; then
        echo native
        echo "i386: native, this kernel runs 32-bit programs" >&2
    else
        echo none
        echo "i386: none, this kernel cannot run 32-bit programs and no emulator is registered" >&2
    fi
}

# as_root COMMAND...: runs it as root (through sudo where we are not root and may ask).
as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo -n "$@"; fi
}

# write FILE TEXT: writes TEXT into a file of /proc as root.
write() { printf '%s' "$2" | as_root tee "$1" >/dev/null 2>&1; }

skipped() {
    echo "setup: this kernel cannot run 32-bit programs and $1: the product's own tests will be skipped"
}

# qemu_major BINARY: the emulator's major version, 0 when it does not say.
qemu_major() {
    "$1" --version 2>/dev/null | sed -nE '1s/.*version ([0-9]+)\..*/\1/p' | grep . || echo 0
}

# The emulator to register. Wine reserves its address space with MAP_FIXED_NOREPLACE, which
# qemu honours from version 8 on; older ones (Debian 12's own qemu-user-static is 7.2) move
# each reservation elsewhere, so Wine halves its way through the whole space, some 37,000
# mappings and 45 s before every 32-bit process starts. Debian 12's backports carry a
# current qemu-user; the older emulator is the fallback.
emulator() {
    local q
    for q in qemu-i386 qemu-i386-static; do
        q=$(command -v "$q") && [ "$(qemu_major "$q")" -ge 8 ] && { echo "$q"; return; }
    done
    export DEBIAN_FRONTEND=noninteractive
    local backports=""
    if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = bookworm ]; then
        backports=/etc/apt/sources.list.d/bookworm-backports.sources
        [ -e "$backports" ] || printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' \
            'Suites: bookworm-backports' 'Components: main' \
            'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
            as_root tee "$backports" >/dev/null
        as_root apt-get update -qq >/dev/null 2>&1
        as_root apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user \
            >/dev/null 2>&1
        q=$(command -v qemu-i386) && [ "$(qemu_major "$q")" -ge 8 ] && { echo "$q"; return; }
    fi
    command -v qemu-i386-static >/dev/null ||
        as_root apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null 2>&1 || {
        as_root apt-get update -qq >/dev/null 2>&1
        as_root apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null 2>&1
    }
    command -v qemu-i386-static
}

# The interpreter of the binfmt_misc entry that runs wine32, when one does.
interpreter() { matching_entry | sed -E 's/.*\((.*)\)$/\1/'; }

# waits: how many times longer the tests of 32-bit programs wait here (see emulator above).
waits() {
    case "$(how 2>/dev/null)" in
    emulated)
        if [ "$(qemu_major "$(interpreter)")" -ge 8 ]; then echo 3; else echo 20; fi
        ;;
    *) echo 1 ;;
    esac
}

setup() {
    [ "$(how 2>/dev/null)" = none ] || return 0
    if ! as_root true 2>/dev/null; then
        skipped "registering an emulator needs root"
        return 0
    fi
    local qemu
    qemu=$(emulator) || {
        skipped "qemu did not install"
        return 0
    }
    [ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null
    if [ ! -e "$binfmt/register" ]; then
        skipped "binfmt_misc is not available"
        return 0
    fi
    write "$binfmt/status" 1
    # An entry of this name that does not run wine32 (disabled, another interpreter) makes way.
    [ -e "$binfmt/$entry" ] && write "$binfmt/$entry" -1
    # Flag F opens the emulator now, so it runs programs in any mount namespace or chroot.
    local rule
    rule=$(printf ':%s:M::%s:%s:%s:F' "$entry" "$magic" "$mask" "$qemu")
    if write "$binfmt/register" "$rule" && [ "$(how 2>/dev/null)" = emulated ]; then
        echo "setup: this kernel cannot run 32-bit programs: registered $qemu (qemu $(qemu_major "$qemu")) as $entry with binfmt_misc, so they run emulated"
    else
        skipped "registering qemu-i386 with binfmt_misc failed"
    fi
}

case "${1:-}" in
how) how ;;
setup) setup ;;
waits) waits ;;
*) echo "usage: i386.sh how|setup|waits" >&2; exit 2 ;;
esac
