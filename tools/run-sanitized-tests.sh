#!/usr/bin/env bash
# Builds the whole test suite with the address and undefined-behaviour
# sanitizers into build-asan/ (or $TRACCIATI_BUILD_ASAN) and runs it. Any
# finding (a bad access, a leak, undefined behaviour) stops the program at
# once with its stack and fails the run. Leaks of the toolkit's own
# start-up allocations are suppressed by tools/lsan.supp, which says why
# each entry is there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TRACCIATI_BUILD_ASAN:-${TRACCIATI_BUILD:-$top/build}-asan}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRACCIATI_SANITIZE=ON \
  -DTRACCIATI_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$top/tools/lsan.supp:print_suppressions=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 180
