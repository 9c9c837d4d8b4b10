#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Long UI monkey runs by hand: EVENTS events (default 10^5) on a sound and on a damaged classroom
# folder, each from SEED or a fresh seed that the monkey prints. Runs the sanitizer build
# (build-asan) unless SANITIZE=0. A failure prints the seed to replay with:
#   build-asan/tests/monkey/kelvarin_monkey --seed N [--damaged] --events M --trace
set -euo pipefail
cd "$(dirname "$0")/.."
events=${EVENTS:-100000}
if [ "${SANITIZE:-1}" = 1 ]; then
    dir=build-asan
    BUILD_TARGETS=kelvarin_monkey scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Debug -DKELVARIN_SANITIZE=ON
    # Debian 12's GCC sanitizer runtime can take a heap block for an old glibc's thread-local
    # header and crash its leak checker at exit ("Tracer caught signal 11"), depending only on
    # where memory falls; leaving __tls_get_addr alone avoids that and still finds leaks.
    export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
else
    dir=build
    BUILD_TARGETS=kelvarin_monkey scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
seed=()
[ -n "${SEED:-}" ] && seed=(--seed "$SEED")
status=0
for folder in "" --damaged; do
    start=$(date +%s)
    "$dir"/tests/monkey/kelvarin_monkey --events "$events" "${seed[@]}" $folder || status=1
    echo "monkey: $(($(date +%s) - start)) s"
done
exit $status
