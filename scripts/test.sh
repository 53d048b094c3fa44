#!/usr/bin/env bash
# Builds Tesvant with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTESVANT_SANITIZE=ON -DTESVANT_BUILD_BENCH=OFF
cmake --build build/test -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/test --output-on-failure -j"$(nproc)"

# ---- Fuzz targets: each runs 20 seconds on its corpus, four side by side,
# with AddressSanitizer and UndefinedBehaviorSanitizer (scripts/fuzz.sh).
fuzz_packages=(clang libclang-rt-14-dev)
if [ "$(dpkg-query -W -f='${Status}\n' "${fuzz_packages[@]}" 2>/dev/null | grep -c 'install ok installed')" \
     -ne "${#fuzz_packages[@]}" ]; then
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends \
    "${fuzz_packages[@]}"
fi
bash scripts/fuzz.sh 20 4
