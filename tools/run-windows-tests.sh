#!/usr/bin/env bash
# The Windows check: cross-builds with mingw-w64 what builds without Qt (the
# plain libraries, the Win32 task layer among them, tracciati-batch.exe and
# their test programs) into build-mingw/, then runs every test program under
# wine, on a virtual display (the Win32 task layer's test opens a window).
# The wine prefix is made once, before the build: its first start takes
# longer than a test listing may.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
export WINEDEBUG=-all
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
prefix=${WINEPREFIX:-$HOME/.wine}
[ -f "$prefix/system.reg" ] || "$wine" wineboot --init
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j"$(nproc)"
# Now and then wine itself fails to start a test program (it exits at once,
# with nothing from the test, or loses its server while that starts or
# stops); a test that fails is run up to twice more, so that only a real
# failure, which repeats, fails the stage.
xvfb-run -a ctest --preset mingw -j"$(nproc)" --repeat until-pass:3
