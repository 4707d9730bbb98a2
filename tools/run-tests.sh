#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, checking
# that each test TESTING.md names exists; runs the whole suite again built
# with the address and undefined-behaviour sanitizers; replays and briefly
# runs every fuzz target (clang); then cross-builds the Windows side and runs
# its tests under wine. Every stage uses its preset of CMakePresets.json.
#   TRACCIATI_FUZZ_SECONDS: how long each fuzz target runs (default 25)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build
cd "$top"
tools/build.sh
ctest --preset default -j"$(nproc)"
"$top/tools/check-testing-md.sh" "$build"
"$top/tools/run-sanitized-tests.sh"
"$top/tools/run-fuzzers.sh" "${TRACCIATI_FUZZ_SECONDS:-25}"
"$top/tools/run-windows-tests.sh"
