#!/usr/bin/env bash
# Builds the whole test suite with the address and undefined-behaviour
# sanitizers into build-asan/ (the "asan" preset) and runs it. Any finding (a
# bad access, a leak, undefined behaviour) stops the program at once with its
# stack and fails the run. Leaks of the toolkit's own start-up allocations are
# suppressed by tools/lsan.supp, which says why each entry is there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"
