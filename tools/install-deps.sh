#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  g++-mingw-w64-x86-64-posix
  clang libclang-rt-dev  # the fuzz targets: libFuzzer and the sanitizers' runtimes
  libgtest-dev libgmock-dev libbenchmark-dev
  googletest wine64  # the Windows tests: GoogleTest cross-built from its sources, run under wine
  xvfb xauth
  python3-ezdxf  # the tests read the viewer's DXF export back with it
  qt6-translations-l10n  # the toolkit's own Italian texts (file dialogs, context menus)
  qt6-base-private-dev  # the tests deliver the mouse wheel through the platform layer
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installazione dei pacchetti mancanti: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
