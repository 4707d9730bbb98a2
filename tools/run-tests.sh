#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TRACCIATI_BUILD:-$top/build}
"$top/tools/build.sh"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 120
