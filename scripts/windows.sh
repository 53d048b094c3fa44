#!/usr/bin/env bash
# The Windows build of Tesvant's core, made here with mingw-w64:
#   scripts/windows.sh build   cross-builds xerces-c (from Debian's own source
#                              package, through the machine's configured
#                              sources, static) and the core, tesvant-host.exe
#                              and the test program for x86_64 and i686
#   scripts/windows.sh check   refuses objects that register thread-exit
#                              destructors, runs the test program under wine64
#                              (x86_64) and checks the i686 programs' imports
#                              and exports
# Everything lands under build/: build/win-deps (xerces-c), build/win-x86_64,
# build/win-i686 and the wine prefix build/wineprefix. The machine's package
# sources are never changed; no 32-bit wine is needed or installed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
root=$PWD
deps=$root/build/win-deps
targets=(x86_64 i686)
jobs=$(nproc)

install_packages() {
  local packages=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine64 libwine-dev ninja-build
                  dpkg-dev xz-utils)
  install_missing "${packages[@]}"
}

# Debian's xerces-c source package, through source lists of our own under
# build/ made from the machine's (which stay as they are), unpacked with its
# patches.
fetch_xerces_source() {
  [ -f "$deps/src/CMakeLists.txt" ] && return 0
  mkdir -p "$deps/apt/lists/partial"
  derive_source_lists "$deps/apt"
  local apt_opts=(-o Dir::Etc::SourceList="$deps/apt/sources.list" -o Dir::Etc::SourceParts="$deps/apt/sources.list.d"
                  -o Dir::State::Lists="$deps/apt/lists" -o Debug::NoLocking=1)
  # A source that fails to update leaves the others usable; the check below tells.
  apt-get "${apt_opts[@]}" update > "$deps/apt.log" 2>&1 || true
  if ! apt-cache "${apt_opts[@]}" showsrc xerces-c 2>> "$deps/apt.log" | grep -q '^Package: xerces-c$'; then
    echo "none of the machine's package sources serves xerces-c's source package" \
         "(the source entries tried are in $deps/apt; apt's output in $deps/apt.log)" >&2
    return 1
  fi
  (cd "$deps" && apt-get "${apt_opts[@]}" source --download-only xerces-c >> "$deps/apt.log" 2>&1)
  rm -rf "$deps/src"
  (cd "$deps" && dpkg-source --no-check -x xerces-c_*.dsc src >> "$deps/apt.log" 2>&1)
}

# The library alone (no samples, no tests): Windows transcoder and mutexes, no
# network access, messages compiled in.
build_xerces() {
  local target=$1 prefix=$deps/prefix-$1
  [ -f "$prefix/lib/libxerces-c.a" ] && return 0
  cmake -G Ninja -S "$deps/src" -B "$deps/xerces-$target" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-$target.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$prefix" \
    -Dtranscoder=windows -Dnetwork=OFF -Dmessage-loader=inmemory -Dmutex-manager=windows
  cmake --build "$deps/xerces-$target" --target xerces-c -j"$jobs"
  cmake --install "$deps/xerces-$target/src"
}

# The test program only where it can run (x86_64, under wine64).
build_core() {
  local target=$1 prefix=$deps/prefix-$1 tests=OFF
  [ "$target" = x86_64 ] && tests=ON
  cmake -G Ninja -S . -B "build/win-$target" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-$target.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DTESVANT_BUILD_TESTS=$tests \
    -DXercesC_INCLUDE_DIR="$prefix/include" -DXercesC_LIBRARY="$prefix/lib/libxerces-c.a"
  cmake --build "build/win-$target" -j"$jobs"
}

build_target() {
  build_xerces "$1" && build_core "$1"
}

# The system DLLs a program of the core may import: nothing of the compiler's
# runtime (libstdc++, libgcc, winpthread), which is linked in.
system_dlls='^(kernel32|user32|advapi32|ole32|oleaut32|shell32|shlwapi|crypt32|msvcrt|bcrypt|api-ms-win-[a-z0-9-]+)\.dll$'

# exports: empty for a program, else the exact sorted list of undecorated names.
check_pe() {
  local file=$1 triple=$2 expected_format=$3 exports=${4:-}
  local dump
  dump=$("$triple-objdump" -p "$file")
  grep -q "file format $expected_format" <<< "$dump" || { echo "$file: not $expected_format" >&2; return 1; }
  local dlls bad
  dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<< "$dump")
  bad=$(tr 'A-Z' 'a-z' <<< "$dlls" | grep -Ev "$system_dlls" || true)
  if [ -n "$bad" ]; then
    echo "$file imports DLLs that are not the system's:" $bad >&2
    return 1
  fi
  if [ -n "$exports" ]; then
    # The export table's name lines: "[ordinal] name", after the "[Ordinal/Name Pointer] Table" heading.
    local names
    names=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<< "$dump" | sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort | tr '\n' ' ')
    if [ "$names" != "$exports " ]; then
      echo "$file exports \"$names\", not \"$exports \"" >&2
      return 1
    fi
  elif grep -q "^The Export Tables" <<< "$dump"; then
    # A program of the core exports nothing.
    echo "$file exports symbols:" >&2
    sed -n '/^The Export Tables/,/^$/p' <<< "$dump" >&2
    return 1
  fi
  echo "$file: $expected_format, imports" $(tr '\n' ' ' <<< "$dlls")
}

# A thread-local object with a destructor has the C++ runtime register that
# destructor per thread, with a reference on the DLL that only the thread's
# end drops: Tesvant.dll then unloads from inside its own thread-exit code,
# and the thread and the process hang. No object of either build may ask for
# it (CMake's compiler probes under CMakeFiles/<version>/ aside).
check_thread_exit_destructors() {
  local target found=""
  for target in "${targets[@]}"; do
    local objects=()
    mapfile -d '' objects < <(find "build/win-$target" -path '*/CMakeFiles/[0-9]*' -prune \
                                -o \( -name '*.obj' -o -name '*.o' \) -print0)
    [ "${#objects[@]}" -gt 0 ] || { echo "build/win-$target holds no object files: build first" >&2; return 1; }
    # "file: U symbol", i686's names with their extra underscore.
    local hits
    hits=$("$target-w64-mingw32-nm" -A -u "${objects[@]}" | grep -E ' U _*__cxa_thread_atexit' || true)
    [ -z "$hits" ] || found+="$hits"$'\n'
  done
  if [ -n "$found" ]; then
    echo "These objects register thread-exit destructors (a thread_local with a destructor), which hang" \
         "the unload of Tesvant.dll at a thread's end; keep such state in the object that runs the operation:" >&2
    printf '%s' "$found" | sed 's/: *U /: /' >&2
    return 1
  fi
}

build() {
  install_packages
  fetch_xerces_source
  # The two targets side by side, and the wine prefix made meanwhile.
  local pids=() logs=() status=0
  for target in "${targets[@]}"; do
    logs+=("$root/build/win-$target.log")
    build_target "$target" > "$root/build/win-$target.log" 2>&1 &
    pids+=($!)
  done
  windows/wine-run.sh cmd /c exit > /dev/null 2>&1 &
  local prefix_pid=$!
  for i in "${!pids[@]}"; do
    if ! wait "${pids[$i]}"; then
      echo "Windows build failed (${targets[$i]}); the end of ${logs[$i]}:" >&2
      tail -40 "${logs[$i]}" >&2
      status=1
    fi
  done
  wait "$prefix_pid" || true
  return "$status"
}

check() {
  check_thread_exit_destructors
  ctest --test-dir build/win-x86_64 --output-on-failure
  check_pe build/win-i686/windows/tesvant-host.exe i686-w64-mingw32 pei-i386
  check_pe build/win-x86_64/windows/tesvant-host.exe x86_64-w64-mingw32 pei-x86-64
  local com_exports="DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer"
  check_pe build/win-i686/windows/com/Tesvant.dll i686-w64-mingw32 pei-i386 "$com_exports"
  check_pe build/win-x86_64/windows/com/Tesvant.dll x86_64-w64-mingw32 pei-x86-64 "$com_exports"
}

case "${1:-}" in
  build) build ;;
  check) check ;;
  *) echo "usage: scripts/windows.sh build|check" >&2; exit 2 ;;
esac
