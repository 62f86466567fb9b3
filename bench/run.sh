#!/usr/bin/env bash
# Runs a benchmark in an optimised host tree (build/bench), or the fuzz targets for longer than
# the test suite does (build/fuzz). See bench/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

case "${1:-}" in
codec)
    cmake -S "$root" -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/bench -j2 --target bench_codec >/dev/null
    build/bench/bench/bench_codec
    # English text: Debian's licence texts, about 300 KB on every Debian machine.
    text=build/bench/english.txt
    cat /usr/share/common-licenses/* >"$text"
    build/bench/bench/bench_codec --corpus "$text" | sed -n '2,3p'
    if command -v valgrind >/dev/null; then
        # instructions FUNCTION ARGS...: instructions inside FUNCTION for one decode.
        instructions() {
            local function=$1 out=build/bench/callgrind.codec.out
            shift
            valgrind --tool=callgrind --callgrind-out-file="$out" --collect-atstart=no \
                --toggle-collect="$function" build/bench/bench/bench_codec "$@" \
                2>build/bench/callgrind.codec.log
            awk '/^(summary|totals):/ {print $2; exit}' "$out"
        }
        mixed=$(instructions 'TLZH::Decode*' --decode-once)
        ours=$(instructions 'TLZH::Decode*' --corpus "$text" --decode-once)
        plain=$(instructions 'PlainLzhDecode*' --corpus "$text" --plain-decode-once)
        bytes=$(stat -c %s "$text")
        awk -v m="$mixed" -v n=$((3 << 20)) -v o="$ours" -v p="$plain" -v b="$bytes" 'BEGIN {
            printf "decode           %.1f instructions per output byte, mixed corpus (callgrind)\n", m / n
            printf "decode           %.1f instructions per output byte, English text; the plain decoder %.1f: %.2fx\n", o / b, p / b, o / p
        }'
    fi
    ;;
description)
    cmake -S "$root" -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/bench -j2 --target bench_description >/dev/null
    build/bench/bench/bench_description
    if command -v valgrind >/dev/null; then
        out=build/bench/callgrind.description.out
        valgrind --tool=callgrind --callgrind-out-file="$out" --collect-atstart=no \
            --toggle-collect='form_text::Parse*' build/bench/bench/bench_description --once \
            2>build/bench/callgrind.description.log
        bytes=$(build/bench/bench/bench_description | awk '/bytes of text/ {print $2}')
        awk -v b="$bytes" '/^(summary|totals):/ {
            printf "parse            %.1f instructions per byte of text (callgrind)\n", $2 / b; exit
        }' "$out"
    fi
    ;;
fuzz)
    seconds=${2:-300}
    cmake -S "$root" -B build/fuzz -DCMAKE_BUILD_TYPE=Release -DPELLICO_FUZZ=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build build/fuzz -j2 >/dev/null
    seeds="$root/tests/fixtures/fuzz"
    for target in fuzz_lzh_decode:lzh fuzz_lzh_round_trip:ini fuzz_skin_archive:archive fuzz_quick_ini:ini; do
        name=${target%%:*}
        corpus="build/fuzz/tests/fuzz/corpus/$name"
        mkdir -p "$corpus"
        log="build/fuzz/tests/fuzz/$name.log"
        echo "== $name, $seconds s (log: $log)"
        if ! "build/fuzz/tests/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 "$corpus" "$seeds/${target#*:}" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log"
    done
    ;;
*)
    echo "usage: bench/run.sh codec | description | fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
