#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Kelvarin, which prepares its classroom folder itself.
# Arguments go to the program, for instance --classroom FOLDER.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
BUILD_TARGETS="kelvarin content" scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec build/kelvarin "$@"
