#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test.
# With SANITIZE=1 it builds into build-asan with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
if [ "${SANITIZE:-0}" = 1 ]; then
    dir=build-asan
    scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Debug -DKELVARIN_SANITIZE=ON
    # Leaks are looked for; the suppressions name only what system libraries keep until exit.
    # Debian 12's GCC sanitizer runtime can take a heap block for an old glibc's thread-local
    # header and crash its leak checker at exit ("Tracer caught signal 11"), depending only on
    # where memory falls; leaving __tls_get_addr alone avoids that and still finds leaks.
    export ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
else
    dir=build
    scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
scripts/cups-queue.sh || echo "No CUPS queue could be set up; the real-printer tests will be skipped."
cd "$dir"
ctest --output-on-failure -j2
