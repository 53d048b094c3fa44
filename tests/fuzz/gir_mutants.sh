#!/usr/bin/env bash
# A long run of the GIR mutant property: COUNT changed copies of the clean GIR
# folders from SEED; every one the check passes must convert to a document the
# GLOBE_OECD schema accepts. Builds the tests without sanitizers in
# build/mutants, so a run of hours gets through many mutants.
#
#   tests/fuzz/gir_mutants.sh SEED COUNT
#
# A failing mutant is reported with its number; rerunning the same SEED and
# COUNT repeats it. The run stops after five failures.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ "$#" -ne 2 ]; then
  echo "usage: $0 SEED COUNT" >&2
  exit 2
fi

cmake -S . -B build/mutants -DCMAKE_BUILD_TYPE=Release -DTESVANT_BUILD_BENCH=OFF > /dev/null
cmake --build build/mutants -j4 --target tesvant_tests > /dev/null
TESVANT_GIR_MUTANT_SEED="$1" TESVANT_GIR_MUTANT_COUNT="$2" \
  build/mutants/tests/tesvant_tests --gtest_filter='GIROperations.MutantsThatPassTheCheckConvertToValidDocuments'
