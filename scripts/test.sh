#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both presets, runs the
# native tests, then the Windows tests under Wine (on a virtual X server when
# there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset win32
cmake --build --preset win32
if [ -n "${DISPLAY:-}" ]; then
  ctest --preset win32
else
  xvfb-run -a -s '-screen 0 1024x768x24' ctest --preset win32
fi
