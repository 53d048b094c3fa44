#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each on its corpus for SECONDS, at most JOBS at a time.
#
#   scripts/fuzz.sh [SECONDS] [JOBS]      (defaults: 20 seconds, 4 at a time)
#
# A corpus grows under build/fuzz/corpus/<target> from the target's seeds and is
# kept between runs. Fails when any target reports a crash, a leak or a
# sanitizer error; the reproducer and its log stay under build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
jobs="${2:-4}"

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESVANT_SANITIZE=ON \
  -DTESVANT_BUILD_FUZZ=ON -DTESVANT_BUILD_TESTS=OFF -DTESVANT_BUILD_BENCH=OFF > /dev/null
cmake --build build/fuzz -j4 > /dev/null

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build/fuzz/findings
status=0
running=0
names=()
while read -r name program seeds dict; do
  mkdir -p "build/fuzz/corpus/$name"
  names+=("$name")
  ( "$program" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
      -dict="$dict" -artifact_prefix="build/fuzz/findings/$name-" \
      "build/fuzz/corpus/$name" "$seeds" > "build/fuzz/findings/$name.log" 2>&1 ) &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
done < build/fuzz/fuzz_targets.txt
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done

for name in "${names[@]}"; do
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "build/fuzz/findings/$name.log" | grep -o '[0-9]*$' || true)
  echo "fuzz $name: ${runs:-?} executions"
done
if [ "$status" -ne 0 ]; then
  echo "fuzzing found a problem; see build/fuzz/findings/" >&2
  grep -l -E "ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|runtime error" build/fuzz/findings/*.log >&2 || true
fi
exit "$status"
