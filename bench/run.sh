#!/usr/bin/env bash
# Builds the benchmarks (Release) in build-bench/, generates the data files S and L there and
# runs every measurement. Usage: bench/run.sh [REPEAT]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
KK_PACKAGES+=(libpugixml-dev)
kk_install_packages

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKK_BUILD_TESTS=OFF -DKK_BUILD_BENCH=ON
cmake --build build-bench --target kk-bench
bench=build-bench/bin/kk-bench
for size in S L; do
    [ -f "build-bench/data-$size.xml" ] || "$bench" generate "$size" "build-bench/data-$size.xml"
done
for size in S L; do
    echo "== file $size"
    "$bench" run "build-bench/data-$size.xml" "${1:-5}"
    "$bench" peak own "build-bench/data-$size.xml"
    "$bench" peak pugixml "build-bench/data-$size.xml"
done
echo "== list widget, file L"
"$bench" list build-bench/data-L.xml "${1:-5}"
echo "== ingredients page, file L"
"$bench" ingredients build-bench/data-L.xml "${1:-5}"
