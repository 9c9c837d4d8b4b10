#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and packs Kelvarin as a Debian package in a build folder of its
# own, build-package/, leaving the developer's build/ as it is:
# build-package/kelvarin_<version>_<arch>.deb, to install with apt install ./kelvarin_<version>_<arch>.deb
# Arguments go to cmake's configure step, for instance -DKELVARIN_HOMEPAGE=https://...
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
dir=build-package
# The screenshots are rendered by the gallery tests, so the tests are configured; only the
# targets the package installs are built.
BUILD_TARGETS="kelvarin content desktop_files screenshots" \
    scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DKELVARIN_SCREENSHOTS=ON -DKELVARIN_BENCHMARKS=OFF "$@"
cd "$dir"
cpack
ls "$PWD"/kelvarin_*.deb
