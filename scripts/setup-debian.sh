#!/usr/bin/env bash
# Installs what building, running and testing Tessaryn needs on Debian 12, but only what is missing.
set -euo pipefail
packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libpng-dev libgl-dev libx11-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation2
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth x11-utils poppler-utils
    qt6-translations-l10n desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
