# Sourced by test.sh and run.sh: installs the Debian packages the build needs.
# A machine that already has them pays only for the dpkg checks.

KK_PACKAGES=(
    g++ cmake ninja-build pkg-config python3
    libgtest-dev libgmock-dev
    qt6-base-dev qt6-translations-l10n
    qt6-qpa-plugins fonts-dejavu-core
    fonts-liberation2 fonts-liberation poppler-utils
    qt6-svg-dev desktop-file-utils appstream
    dpkg-dev file
    libzip-dev
)

kk_install_packages() {
    local missing=()
    for package in "${KK_PACKAGES[@]}"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}
