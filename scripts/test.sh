#!/usr/bin/env bash
# Builds Tesvant with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

# The Objective-C binding's compilers and Foundation; CMake builds and tests the
# binding where they are, and the core alone where they cannot be installed.
OBJC_PACKAGES=(gobjc++ libgnustep-base-dev gnustep-make)
installed=$(dpkg-query -W -f='${Status}\n' "${OBJC_PACKAGES[@]}" 2>/dev/null | grep -c "install ok installed" || true)
if [ "$installed" -ne "${#OBJC_PACKAGES[@]}" ]; then
  export DEBIAN_FRONTEND=noninteractive
  { apt-get update -o DPkg::Lock::Timeout=600 \
      && apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${OBJC_PACKAGES[@]}"; } \
    || echo "warning: could not install ${OBJC_PACKAGES[*]}: the Objective-C binding is not built" >&2
fi

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTESVANT_SANITIZE=ON -DTESVANT_BUILD_BENCH=OFF
cmake --build build/test -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
