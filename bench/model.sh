#!/usr/bin/env bash
# Times the load of a whole skin into elements in an optimised host tree (build/bench): the
# default skin (drawn by skinart and packed by skintool), or a packed skin FILE, and a generated
# skin of the same shape for comparison. See bench/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j2 --target bench_skin_model skintool skinart >/dev/null
bench=build/bench/bench/bench_skin_model
if [ $# -gt 0 ]; then
    "$bench" "$1"
    exit
fi
skin=build/bench/default-skin
rm -rf "$skin" && mkdir -p "$skin"
build/bench/tools/skinart/skinart skin "$skin" >/dev/null
cp skins/default/skin.ini "$skin/"
build/bench/tools/skintool/skintool pack "$skin" build/bench/default.skn
"$bench" build/bench/default.skn
echo "-- the generated skin:"
"$bench"
echo "-- skins built to make a load slow:"
"$bench" --hostile
