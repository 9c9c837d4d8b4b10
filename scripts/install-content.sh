#!/usr/bin/env bash
# Copies generated content into a classroom folder. Everything in multiple/ (the worksheet
# index and every question set a teacher may have edited) is only ever added, never replaced.
set -euo pipefail
from=$1 to=$2
mkdir -p "$to"
for dir in "$from"/*/; do
    name=$(basename "$dir")
    mkdir -p "$to/$name"
    if [ "$name" = multiple ]; then
        cp -n "$dir"* "$to/$name/"
    else
        cp "$dir"* "$to/$name/"
    fi
done
