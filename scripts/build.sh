#!/usr/bin/env bash
# Configures and builds into the given folder; extra arguments go to cmake's configure step.
# BUILD_TARGETS, when set, limits the build to those targets.
set -euo pipefail
dir=$1; shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$dir" "${targets[@]}"
