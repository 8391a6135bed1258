#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
kk_install_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKK_BUILD_TESTS=OFF
cmake --build build --parallel "$(nproc)"

if [ -x build/bin/kostenkoch ]; then
    exec build/bin/kostenkoch "$@"
elif [ -x build/bin/kostenkoch-cli ]; then
    exec build/bin/kostenkoch-cli "$@"
else
    cat <<'TXT'
Kostenkoch is built, but there is no program to start yet.
What exists so far: the libraries for the catalogue (records, cost calculation,
number text, dates), the string tables, the log file and the remembered values.
Run ./test.sh to build and check them.
TXT
fi
