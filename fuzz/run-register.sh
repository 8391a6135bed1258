#!/usr/bin/env bash
# Builds the register import fuzz target with clang (libFuzzer, ASan, UBSan) in build-fuzz/ and
# runs it over the readers of register exports and sales journals.
# Usage: fuzz/run-register.sh [SECONDS]   (default 600); new corpus entries go to
# build-fuzz/corpus-register.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
KK_PACKAGES+=(clang libclang-rt-14-dev)
kk_install_packages
seconds="${1:-600}"
cmake --preset fuzz
cmake --build build-fuzz --target kk_registerimport_fuzzer
mkdir -p build-fuzz/corpus-register build-fuzz/crashes-register
cp -n fuzz/corpus-register/* build-fuzz/corpus-register/ 2>/dev/null || true
build-fuzz/bin/kk_registerimport_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -artifact_prefix=build-fuzz/crashes-register/ build-fuzz/corpus-register
