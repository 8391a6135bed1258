#!/usr/bin/env bash
# Builds the Qt-free libraries and their tests for 64-bit Windows with MinGW-w64 and runs the
# tests under Wine with a private, headless prefix. Installs the cross compiler and Wine from
# the distribution when they are missing; GoogleTest is built from Debian's source package.
# Ends with one summary line: the tests run under Wine, passed, skipped and failed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++-mingw-w64-x86-64-posix wine64 wine googletest cmake ninja-build python3)
missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -ne 0 ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build=build-windows
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Debug \
    -DKK_CORE_ONLY=ON -DKK_WERROR=ON -DKK_GTEST_SOURCE_DIR=/usr/src/googletest "${launcher[@]}"
cmake --build "$build" --parallel "$(nproc)"

# A prefix of our own, made fresh: no display, no downloads of Mono or Gecko, no debug output.
export WINEPREFIX="$PWD/$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# One wineserver for the whole run, with the prefix's services started here, apart from the
# tests: programs started in parallel otherwise meet a server that is shutting down ("wine client
# error ... Connection reset by peer"), and services started by a test would keep its output
# open so that ctest waits for it for ever.
wineserver --persistent
wineboot --init >/dev/null 2>&1

rm -rf "$build/test-results"
mkdir -p "$build/test-results"
status=0
# A second try only for a program that Wine itself lost: our tests are deterministic, so a real
# failure fails both times.
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --repeat until-pass:2 --timeout 600) || status=$?
wineserver --kill || true

python3 - "$build/test-results" "$status" <<'PY'
import pathlib, sys, xml.etree.ElementTree as ET
run = failed = skipped = 0
for report in sorted(pathlib.Path(sys.argv[1]).glob("*.xml")):
    suites = ET.parse(report).getroot()
    for case in suites.iter("testcase"):
        run += 1
        if case.find("failure") is not None:
            failed += 1
        elif case.find("skipped") is not None or case.get("result") == "skipped":
            skipped += 1
programs = "all test programs passed" if sys.argv[2] == "0" else "a test program failed"
print(f"Windows (Wine): {run} tests run, {run - failed - skipped} passed, {skipped} skipped, "
      f"{failed} failed; {programs}")
PY
exit "$status"
