#!/usr/bin/env bash
# Builds the fuzz target with clang (libFuzzer, ASan, UBSan) in build-fuzz/ and runs it.
# Installs clang when it is missing.
# Usage: fuzz/run.sh [SECONDS]   (default 600); new corpus entries go to build-fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
KK_PACKAGES+=(clang libclang-rt-14-dev)
kk_install_packages
seconds="${1:-600}"
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus build-fuzz/crashes
cp -n fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true
build-fuzz/bin/kk_datafile_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -artifact_prefix=build-fuzz/crashes/ build-fuzz/corpus
