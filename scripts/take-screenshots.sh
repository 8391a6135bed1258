#!/usr/bin/env bash
# Takes the README's screenshots of the main window (one per tab) headless, with the sample
# catalogue of tests/app/Screenshots.cpp, into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
kk_install_packages

cmake -S . -B build-screenshots -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-screenshots --parallel "$(nproc)" --target kk_screenshots
QT_QPA_PLATFORM=offscreen build-screenshots/bin/kk_screenshots docs/screenshots docs/sample/Beispiel.xml
