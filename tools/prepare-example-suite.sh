#!/usr/bin/env bash
# Makes a writable copy of the example suite that the programs can start on.
#   tools/prepare-example-suite.sh SUITE [VIEWER]
# Files already in SUITE are kept, so layout groups saved there survive.
# VIEWER, when given, is copied where the suite keeps its programs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
suite=${1:?uso: prepare-example-suite.sh CARTELLA [VISUALIZZATORE]}
viewer=${2:-}

mkdir -p "$suite"
cp -rn "$top/examples/suite/." "$suite/"
suite=$(cd "$suite" && pwd)
# The suite's files are in code page 1252 (CP1252), as the programs read
# them: a folder name with accents ("Suite è") must be written that way too.
printf '%s\r\n' "$suite/lavori" | iconv -f UTF-8 -t CP1252 > "$suite/impostazioni/dirlav"
if [[ -n $viewer ]]; then
  # Renamed into place: a viewer left running from an earlier session keeps
  # its file.
  cp "$viewer" "$suite/progra/Ostrel.new"
  mv -f "$suite/progra/Ostrel.new" "$suite/progra/Ostrel"
fi
