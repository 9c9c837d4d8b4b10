#!/usr/bin/env bash
# Configures and builds into the given folder; extra arguments go to cmake's configure step.
set -euo pipefail
dir=$1; shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir"
