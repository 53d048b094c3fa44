#!/usr/bin/env bash
# Builds Tesvant with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
# The Windows build (scripts/windows.sh) is made meanwhile; its tests run under wine64,
# and the differential test of the suite compares its tesvant-host.exe with this host.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

# The Objective-C binding's compilers and Foundation; CMake builds and tests the
# binding where they are, and the core alone where they cannot be installed.
OBJC_PACKAGES=(gobjc++ libgnustep-base-dev gnustep-make)
install_missing "${OBJC_PACKAGES[@]}" \
  || echo "warning: could not install ${OBJC_PACKAGES[*]}: the Objective-C binding is not built" >&2
mkdir -p build

# Its own process group, so that a failure here stops all of it.
setsid bash scripts/windows.sh build > build/windows-build.log 2>&1 &
windows_pid=$!
cleanup() {
  kill -- "-$windows_pid" 2> /dev/null || true
  WINEPREFIX="$PWD/build/wineprefix" /usr/lib/wine/wineserver -k 2> /dev/null || true
}
trap cleanup EXIT

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTESVANT_SANITIZE=ON -DTESVANT_BUILD_BENCH=OFF
cmake --build build/test -j"$(nproc)"

if ! wait "$windows_pid"; then
  echo "The Windows build failed; the end of build/windows-build.log:" >&2
  tail -60 build/windows-build.log >&2
  exit 1
fi
bash scripts/windows.sh check

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TESVANT_WINDOWS_HOST="$PWD/build/win-x86_64/windows/tesvant-host.exe"
export TESVANT_WINDOWS_COM_HOST="$PWD/build/win-x86_64/tests/windows/com/tesvant-com-host.exe"
export TESVANT_WINDOWS_COM_DLL="$PWD/build/win-x86_64/windows/com/Tesvant.dll"
export TESVANT_WINE="$PWD/windows/wine-run.sh"
ctest --test-dir build/test --output-on-failure -j"$(nproc)"

# ---- Fuzz targets: each runs 20 seconds on its corpus, four side by side,
# with AddressSanitizer and UndefinedBehaviorSanitizer (scripts/fuzz.sh).
fuzz_packages=(clang libclang-rt-14-dev)
install_missing "${fuzz_packages[@]}"
bash scripts/fuzz.sh 20 4
