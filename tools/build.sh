#!/usr/bin/env bash
# Configures and builds everything into build/ (or $TRACCIATI_BUILD).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TRACCIATI_BUILD:-$top/build}
"$top/tools/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
