#!/usr/bin/env bash
# Configures and builds everything into build/ (the "default" preset).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"
