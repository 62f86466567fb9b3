#!/usr/bin/env bash
# Builds every tree and runs every test: host (with sanitizers), fuzz smoke runs, and the
# Windows-side and end-to-end tests under Wine in the test desktop. Exits non-zero when
# anything fails. Installs what is missing first (scripts/setup.sh).
#
# Both Windows trees are always built; the Windows-side suite runs in build/win32 where this
# kernel runs 32-bit programs, else in build/win64, and there the product's own end-to-end set
# drives the 32-bit programs of build/win32, emulated (scripts/windows-trees.sh says which
# and why). PELLICO_WINDOWS=win32|win64|both forces the suite's trees.
#
#   ./test.sh           everything
#   ./test.sh product   only the product's own end-to-end set against the 32-bit programs
set -uo pipefail
cd "$(dirname "$0")"
root=$(pwd)
jobs=$(nproc)

bash scripts/setup.sh || exit 1
windows=$(scripts/windows-trees.sh) || exit 1

build() { # build NAME CMAKE-ARGS...
    local name=$1
    shift
    cmake -S "$root" -B "build/$name" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Debug}" "$@" >/dev/null &&
        cmake --build "build/$name" -j "$jobs"
}

only_product=""
case "${1:-}" in
"") ;;
product) only_product=1 ;;
*) echo "usage: ./test.sh [product]" >&2; exit 2 ;;
esac

set -e
if [ -z "$only_product" ]; then
    BUILD_TYPE=Debug build host
    BUILD_TYPE=Release build fuzz -DPELLICO_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
fi
BUILD_TYPE=Release build win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
BUILD_TYPE=Release build win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
set +e

passed=0
failed=0
retried=()
status=0

# count LOG: adds the figures of CTest's summary line in LOG to the totals.
count() {
    local line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
    [ -n "$line" ] || return 0
    total=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
    bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

# run TREE LOG [CTEST-ARGS...]: runs the tree's tests and adds them to the totals.
run() {
    local tree=$1 log=$2
    shift 2
    local parallel=$jobs
    case "$tree" in win*) parallel=1 ;; esac
    (cd "build/$tree" && ctest --output-on-failure -j "$parallel" "$@") 2>&1 | tee "$log"
    if [ "${PIPESTATUS[0]}" = 0 ]; then
        count "$log"
        return
    fi
    case "$tree" in
    win*)
        # The Windows-side tests share one desktop with real input, focus and clipboard
        # viewers; a test that another viewer's clipboard read raced is run once more. A real
        # fault fails both times; a test that passes only the second time is named below.
        local first still="" rc name total bad
        first=$(sed -E 's/^[0-9]+://' "build/$tree/Testing/Temporary/LastTestsFailed.log")
        echo "== tests: $tree, the failed ones once more"
        (cd "build/$tree" && ctest --output-on-failure --rerun-failed -j 1) 2>&1 | tee "$log.retry"
        rc=${PIPESTATUS[0]}
        if [ "$rc" != 0 ]; then
            status=1
            still=$(sed -E 's/^[0-9]+://' "build/$tree/Testing/Temporary/LastTestsFailed.log")
        fi
        for name in $first; do
            echo "$still" | grep -qx "$name" || retried+=("$tree/$name")
        done
        # The whole run's figures, with the second run's verdict on the retried tests.
        total=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 |
            sed -E 's/.*out of ([0-9]+).*/\1/')
        bad=$(echo "$still" | grep -c .)
        passed=$((passed + total - bad))
        failed=$((failed + bad))
        ;;
    *)
        status=1
        count "$log"
        ;;
    esac
}

if [ -z "$only_product" ]; then
    for tree in host fuzz; do
        echo "== tests: $tree"
        run "$tree" "build/$tree/ctest.log"
    done
    for tree in $windows; do
        echo "== tests: $tree"
        run "$tree" "build/$tree/ctest.log"
    done
fi

# The product's own tests are the end-to-end tests (label "e2e") run against the 32-bit
# programs of win32. Where win32 runs the suite they are part of it; elsewhere they run here,
# driven from win64 where 32-bit code runs only emulated (natively built drivers save time).
read -r product product_how < <(scripts/windows-trees.sh product)
suite=$windows
[ -z "$only_product" ] || suite=""
case " $suite " in
*" win32 "*) product_note="product in win32, $product_how: its end-to-end tests ran in the suite" ;;
*)
    if [ "$product" = none ]; then
        product_note="the product's own tests were skipped: $(bash scripts/i386.sh how 2>&1 >/dev/null | sed 's/^i386: //')"
    else
        driver=win32
        [ "$product_how" = emulated ] && driver=win64
        # Emulated programs start and answer slower: every wait of the tests grows by one factor.
        factor=${PELLICO_WAIT_FACTOR:-$(bash scripts/i386.sh waits)}
        echo "== tests: product in win32, $product_how, driven from $driver (waits x$factor)"
        began=$(date +%s)
        PELLICO_PRODUCT_TREE="$root/build/win32" PELLICO_WAIT_FACTOR=$factor \
            run "$driver" "build/win32/product.log" -L e2e
        product_note="product in win32, $product_how, $(($(date +%s) - began)) s"
    fi
    ;;
esac

# Screenshots are saved as .bmp by the Windows-side tests; keep a .png beside each.
for tree in $windows win32; do
    for bmp in "build/$tree"/screenshots/*.bmp; do
        [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
done

echo "tests: $passed passed, $failed failed (suite in ${suite:-no tree}; $product_note)"
[ ${#retried[@]} = 0 ] || echo "retried: ${retried[*]}"
exit $status
