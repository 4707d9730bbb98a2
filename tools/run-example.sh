#!/usr/bin/env bash
# Builds the editor and starts it on a writable copy of the example suite.
#   tools/run-example.sh [MEMBER]        (default member 2, the girder)
# The copy lives in $TRACCIATI_SUITE (default build/suite); files already
# there are kept, so layout groups saved in it survive the next start.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TRACCIATI_BUILD:-$top/build}
suite=${TRACCIATI_SUITE:-$build/suite}
member=${1:-2}

"$top/tools/build.sh"
"$top/tools/prepare-example-suite.sh" "$suite" "$build/viewer/Ostrel"
suite=$(cd "$suite" && pwd)

exec "$build/app/tracciati" "|diroot=$suite|MEMBRA=$member|"
