#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Kelvarin needs to build, run and test, and only those missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-image-formats-plugins libgl-dev libgif-dev
    libcanberra-dev libcanberra-pulse
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core fonts-dejavu-extra
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    xvfb xauth sox pulseaudio pulseaudio-utils
    at-spi2-core python3-pyatspi dbus-daemon
    samba smbnetfs iproute2
    clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
