#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (ASan + UBSan) into build-fuzz and runs each for RUNS
# executions (default 10^6), starting from its committed seeds, then prints the figures.
# New inputs collect in build-fuzz/corpus/<name>; a finding is written to build-fuzz/findings/<name>/
# and ends that target's run, as does an input that takes longer than TIMEOUT seconds (default 5:
# a page must draw within a second, and the sanitizers slow it a few times) or a run that holds
# more than RSS_MB megabytes (for the metafile player 1024 by default: the sanitizers' own memory
# and the program's, with room for the 256 MB a page may take; for the text readers libFuzzer's
# own 2048, as the sanitizers' allocator alone drifts towards 1 GB over 10^6 runs).
# Usage: bench/fuzz.sh [name...]   (default: every target)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-1000000}
timeout=${TIMEOUT:-5}
rss_limit() { [ "$1" = metafile ] && echo "${RSS_MB:-1024}" || echo "${RSS_MB:-2048}"; }
CXX=clang++ BUILD_TARGETS=fuzzers scripts/build.sh build-fuzz \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARIN_FUZZ=ON
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
# The targets write a file per execution into a scratch folder: memory-backed when possible,
# and removed at the end with whatever crashed runs left behind.
scratch=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/kelvarin-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for fuzzer in build-fuzz/tests/fuzz/*_fuzzer; do
        name=$(basename "$fuzzer"); names+=("${name%_fuzzer}")
    done
fi

summary=()
for name in "${names[@]}"; do
    # Absolute paths: the targets work in a scratch folder of their own.
    corpus=$PWD/build-fuzz/corpus/$name findings=$PWD/build-fuzz/findings/$name
    mkdir -p "$corpus" "$findings"
    log=build-fuzz/findings/$name.log
    start=$(date +%s)
    status=0
    build-fuzz/tests/fuzz/"${name}"_fuzzer -runs="$runs" -print_final_stats=1 \
        -timeout="$timeout" -rss_limit_mb="$(rss_limit "$name")" \
        -artifact_prefix="$findings/" "$corpus" "$PWD/tests/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
    seconds=$(($(date +%s) - start))
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    found=$(find "$findings" -type f | wc -l)
    summary+=("$(printf '%-14s %9s execs %6ss %7s/s  %-10s corpus %5s  findings %s%s' \
        "$name" "${execs:-?}" "$seconds" "${speed:-?}" "$cov" "$(ls "$corpus" | wc -l)" "$found" \
        "$([ $status -ne 0 ] && echo " (stopped, see $log)")")")
    echo "${summary[-1]}"
done
echo
printf '%s\n' "${summary[@]}"
