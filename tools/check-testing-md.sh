#!/usr/bin/env bash
# Every test that TESTING.md names must exist in the build: a test renamed
# or removed would leave its rows without backing. Prints the missing names
# and fails when there is one.
#   tools/check-testing-md.sh [BUILD]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${TRACCIATI_BUILD:-$top/build}}
known=$(ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p')
missing=0
while read -r name; do
  if [[ $name == *'*' ]]; then
    grep -qF -- "${name%\*}" <<<"$known" && continue
  else
    grep -qxF -- "$name" <<<"$known" && continue
  fi
  echo "TESTING.md nomina un test inesistente: $name" >&2
  missing=1
done < <(grep -oE '[a-z_]+_tests\.[A-Za-z0-9_]+\.[A-Za-z0-9_*]+' "$top/TESTING.md" | sort -u)
exit "$missing"
