#!/usr/bin/env bash
# Installs what is missing, builds the test build (Debug, ASan + UBSan, warnings as errors)
# and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
kk_install_packages

cmake --preset test
cmake --build --preset test --parallel "$(nproc)"
cd build-tests
ctest --output-on-failure --parallel "$(nproc)"
