#!/usr/bin/env bash
# Installs what is missing, builds the release build without tests (build-package/) and makes
# the Debian package build-package/kostenkoch_VERSION-1_ARCH.deb from the install rules.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
kk_install_packages

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DKK_BUILD_TESTS=OFF
cmake --build build-package --parallel "$(nproc)"
cd build-package
cpack -G DEB
