#!/usr/bin/env bash
# Installs what is missing, builds, prepares the classroom folder and starts Kelvarin.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
BUILD_TARGETS="kelvarin content" scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
classroom=${XDG_DATA_HOME:-$HOME/.local/share}/kelvarin
scripts/install-content.sh build/content "$classroom"
cd "$classroom"
exec "$OLDPWD/build/kelvarin"
