#!/usr/bin/env bash
# Times the load of a whole skin into elements in an optimised host tree (build/bench): the
# default skin when it has been packed (FILE or build/bench's skin), else a generated one of the
# same shape. See bench/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j2 --target bench_skin_model skintool >/dev/null
if [ $# -gt 0 ]; then
    build/bench/bench/bench_skin_model "$1"
elif [ -f skins/default/skin.ini ]; then
    build/bench/tools/skintool/skintool pack skins/default build/bench/default.skn
    build/bench/bench/bench_skin_model build/bench/default.skn
    echo "-- for comparison, the generated skin:"
    build/bench/bench/bench_skin_model
else
    build/bench/bench/bench_skin_model
fi
