#!/usr/bin/env bash
# Line and branch coverage, per file, of the plain libraries under the whole
# test suite. Run by hand (not in CI) to compare two trees, e.g. before and
# after the tests are reworked:
#   tools/coverage.sh BUILD [OUT]
# BUILD is a build folder: if it holds no CMake cache it is configured from
# the tree this script lives in (Debug, --coverage, no benchmarks); else its
# own source tree is used, so the script can measure another worktree. It is
# built, the counters are reset, ctest runs, and gcovr writes OUT.txt (one
# row per file: lines, branches) and OUT.json (gcovr's JSON summary).
# OUT defaults to BUILD/coverage. Needs gcovr (Debian package gcovr). No
# --object-directory: gcov must run from each object's own folder, where the
# relative source paths of a ccache build (CCACHE_BASEDIR) resolve.
set -euo pipefail
build=$(realpath -m "${1:?uso: tools/coverage.sh BUILD [OUT]}")
out=${2:-$build/coverage}
src=$(cd "$(dirname "$0")/.." && pwd)
if [ -f "$build/CMakeCache.txt" ]; then
  src=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
else
  launcher=()
  if command -v ccache >/dev/null; then
    # The folder is part of ccache's key here, so that the .gcno files of a
    # cache hit name this tree's sources, not another worktree's.
    unset CCACHE_NOHASHDIR
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS=--coverage -DTRACCIATI_BENCH=OFF "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j"${JOBS:-2}"
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" -j"${JOBS:-2}" --timeout 300 --output-on-failure >"$out.ctest.log" ||
  echo "alcuni test non sono passati: vedere $out.ctest.log" >&2

# The plain libraries: every source of these folders except the widgets
# (*_ui*, the Qt files), the programs' main files; of the viewer, only the
# viewer_files sources.
filters=()
for d in common platform structure layouts section_view parabolic drawing app batch; do
  filters+=(--filter "$src/$d/")
done
for f in view_transform viewer_drawing viewer_input; do
  filters+=(--filter "$src/viewer/$f\.")
done
excludes=(--exclude '.*_ui[._].*' --exclude '.*/main\.cpp' --exclude '.*/qt_[^/]*')
while read -r qt; do
  excludes+=(--exclude "$(realpath "$qt")")
done < <(grep -lE '#include <Q' "$src"/{common,platform,structure,layouts,section_view,parabolic,drawing,app,batch}/*.{h,cpp} 2>/dev/null)

gcovr --root "$src" "${filters[@]}" "${excludes[@]}" \
  --exclude-throw-branches --exclude-unreachable-branches -j"${JOBS:-2}" \
  --json-summary-pretty -o "$out.json" "$build"

python3 - "$out.json" >"$out.txt" <<'EOF'
import json, sys
data = json.load(open(sys.argv[1]))
def pct(c, t):
    return f"{100.0 * c / t:6.1f}" if t else "     -"
print(f"{'file':44} {'lines':>13} {'%':>6} {'branches':>13} {'%':>6}")
for f in sorted(data["files"], key=lambda f: f["filename"]):
    print(f"{f['filename']:44} {f['line_covered']:6}/{f['line_total']:<6} {pct(f['line_covered'], f['line_total'])}"
          f" {f['branch_covered']:6}/{f['branch_total']:<6} {pct(f['branch_covered'], f['branch_total'])}")
print(f"{'TOTAL':44} {data['line_covered']:6}/{data['line_total']:<6} {pct(data['line_covered'], data['line_total'])}"
      f" {data['branch_covered']:6}/{data['branch_total']:<6} {pct(data['branch_covered'], data['branch_total'])}")
EOF
cat "$out.txt"
