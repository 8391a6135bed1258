#!/usr/bin/env bash
# Builds the benchmarks (Release) in build-bench/, generates the data files S and L there and
# runs every measurement: in-process (kk-bench run), peak memory of a load, and whole processes
# (kostenkoch-cli against the strong pugixml reference program, interleaved).
# Usage: bench/run.sh [REPEAT]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
KK_PACKAGES+=(libpugixml-dev)
kk_install_packages

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKK_BUILD_TESTS=OFF -DKK_BUILD_BENCH=ON
cmake --build build-bench --target kk-bench kk-reference kk-run kostenkoch-cli
bin=build-bench/bin
bench="$bin/kk-bench"
for size in S L; do
    file="build-bench/data-$size.xml"
    if [ ! -f "$file" ]; then
        # Saved once by the program, as a user's file is: its indices are those a fresh run
        # hands out, so it counts as unchanged after a read.
        "$bin/kk-bench" generate "$size" "$file.generated"
        "$bin/kostenkoch-cli" resave "$file.generated" "$file" > /dev/null
        rm "$file.generated"
    fi
done
for size in S L; do
    echo "== file $size"
    "$bin/kk-bench" run "build-bench/data-$size.xml" "${1:-5}"
    "$bin/kk-bench" peak own "build-bench/data-$size.xml"
    "$bin/kk-bench" peak pugixml "build-bench/data-$size.xml"
    python3 bench/whole-process.py "$bin" "build-bench/data-$size.xml" "${1:-5}"
done
echo "== list widget, file L"
"$bench" list build-bench/data-L.xml "${1:-5}"
echo "== ingredients page, file L"
"$bench" ingredients build-bench/data-L.xml "${1:-5}"
echo "== sales page, file L"
"$bench" sales build-bench/data-L.xml "${1:-5}"
echo "== price impact and simulation, file L"
"$bench" impact build-bench/data-L.xml "${1:-5}"
echo "== evaluation page, file L"
"$bench" evaluation-page build-bench/data-L.xml "${1:-5}"
echo "== menu analysis, file L"
"$bench" menu build-bench/data-L.xml "${1:-5}"
echo "== ingredients list printed as PDF, file L"
"$bench" print build-bench/data-L.xml "${1:-5}"
echo "== recipes page and recipe dialog, file L"
"$bench" recipes build-bench/data-L.xml "${1:-5}"
echo "== stock dialog, file L"
"$bench" stock build-bench/data-L.xml "${1:-5}"
echo "== costing check, file L"
"$bench" costcheck build-bench/data-L.xml "${1:-5}"
