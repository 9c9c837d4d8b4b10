#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into the given folder; extra arguments go to cmake's configure step.
# Development and CI builds treat warnings as errors (packagers' builds don't, by default).
# BUILD_TARGETS, when set, limits the build to those targets. ccache is used when it is installed.
set -euo pipefail
dir=$1; shift
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DKELVARIN_WERROR=ON "$@" >/dev/null
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$dir" "${targets[@]}"
