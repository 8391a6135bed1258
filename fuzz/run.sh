#!/usr/bin/env bash
# Builds the fuzz target with clang (libFuzzer, ASan, UBSan) in build-fuzz/ and runs it.
# Usage: fuzz/run.sh [SECONDS]   (default 600); new corpus entries go to build-fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DKK_FUZZ=ON -DKK_BUILD_TESTS=OFF -DKK_SANITIZE=ON
cmake --build build-fuzz --target kk_datafile_fuzzer
mkdir -p build-fuzz/corpus build-fuzz/crashes
cp -n fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true
build-fuzz/bin/kk_datafile_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -artifact_prefix=build-fuzz/crashes/ build-fuzz/corpus
