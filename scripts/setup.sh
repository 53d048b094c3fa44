#!/usr/bin/env bash
# Installs what Tesvant needs from Debian, builds it (Release) and converts a shipped example.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

PACKAGES=(build-essential cmake pkg-config libxerces-c-dev libxml2-dev libxml2-utils
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev python3)
install_missing "${PACKAGES[@]}"

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESVANT_BUILD_TESTS=OFF
cmake --build build/release -j"$(nproc)"

if [ -x build/release/tools/tesvant-host ] && [ -f examples/cbc_report_v2.csv ]; then
  out="$PWD/examples/cbc_report_v2.xml"
  build/release/tools/tesvant-host CsvConvCbCReportData2 "$PWD/examples/cbc_report_v2.csv" "$out" > /dev/null
  echo "Converted examples/cbc_report_v2.csv into $out"
fi
