#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the desktop program.
# Arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")"

# Qt needs a display: an X server, a Wayland compositor or an explicitly chosen platform
# (QT_QPA_PLATFORM=offscreen runs without one, showing nothing).
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'TXT'
Kostenkoch ist ein Programm mit Fenstern und braucht eine grafische Oberfläche, aber hier ist
keine zu finden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).
Starten Sie ./run.sh auf einem Desktop, oder ohne Bildschirm mit einem virtuellen X-Server:
    xvfb-run ./run.sh          (Paket "xvfb")

Kostenkoch is a desktop program and needs a display, but none was found (neither DISPLAY nor
WAYLAND_DISPLAY is set). Run ./run.sh on a desktop, or without a screen under a virtual X server:
    xvfb-run ./run.sh          (package "xvfb")
TXT
    exit 1
fi

source scripts/install-deps.sh
kk_install_packages

# Warnings do not stop a user's build; CI builds the same preset with them as errors.
cmake --preset release -DKK_WERROR=OFF
cmake --build --preset release --parallel "$(nproc)"

exec build/bin/kostenkoch "$@"
