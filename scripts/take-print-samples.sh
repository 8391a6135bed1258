#!/usr/bin/env bash
# Writes the README's sample printouts (tests/print/PrintSamples.cpp) as PDF files from the
# sample catalogue and turns their pages into PNG pictures in docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
kk_install_packages

cmake -S . -B build-screenshots -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-screenshots --parallel "$(nproc)" --target kk_print_samples
out=build-screenshots/print-samples
# The header's date and time in the German format.
LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen build-screenshots/bin/kk_print_samples "$out" docs/sample/Beispiel.xml
# 50 dpi: an A4 page becomes 413 x 585 pixels, enough to read the layout. The first page of
# each, the first two of the ingredient list.
pdftoppm -r 50 -png -f 1 -l 2 "$out/zutatenliste.pdf" docs/screenshots/druck-zutatenliste
for name in rezeptblatt kalkulation-10-portionen inventurliste-leer inventurliste; do
    pdftoppm -r 50 -png -f 1 -l 1 "$out/$name.pdf" "docs/screenshots/druck-$name"
done
ls docs/screenshots/druck-*
