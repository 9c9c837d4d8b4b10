#!/usr/bin/env bash
# Installs what is missing, builds and packs Kelvarin as a Debian package:
# build/kelvarin_<version>_<arch>.deb, to install with apt install ./kelvarin_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
BUILD_TARGETS="kelvarin content desktop_files screenshots" \
    scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr
cd build
cpack
ls "$PWD"/kelvarin_*.deb
