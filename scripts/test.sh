#!/usr/bin/env bash
# Builds Tesvant with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTESVANT_SANITIZE=ON -DTESVANT_BUILD_BENCH=OFF
cmake --build build/test -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
