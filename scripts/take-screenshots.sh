#!/usr/bin/env bash
# Takes the README's screenshots of the main window (one per tab) and of the dialogs headless,
# with the sample catalogue of tests/app/Screenshots.cpp, into docs/screenshots/. Every window
# has the size it opens with on a 1280 x 800 screen, so the pictures show what a person sees.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
kk_install_packages

cmake -S . -B build-screenshots -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-screenshots --parallel "$(nproc)" --target kk_screenshots
QT_QPA_PLATFORM="offscreen:configfile=$PWD/scripts/screen-1280x800.json" \
    build-screenshots/bin/kk_screenshots docs/screenshots docs/sample/Beispiel.xml
