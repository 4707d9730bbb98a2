#!/usr/bin/env bash
# Cross-builds for Windows with mingw-w64 what builds without Qt: the plain
# libraries, the Win32 task layer among them, and tracciati-batch.exe, into
# build-mingw/ (or $TRACCIATI_BUILD_MINGW). A change that breaks the Windows
# side fails here.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TRACCIATI_BUILD_MINGW:-${TRACCIATI_BUILD:-$top/build}-mingw}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" \
  -DTRACCIATI_WITH_QT=OFF -DTRACCIATI_TESTS=OFF -DTRACCIATI_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
