#!/usr/bin/env bash
# Runs TAVO.exe under Wine: installs what is missing, builds it, and starts it
# in build/run (where its INI files go). With a device path as argument
# (for example /dev/ttyUSB0) that port is offered as COM5 in the port list.
# Without a display the program runs on a virtual X server.
#   scripts/run.sh [DEVICE]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target TAVO

run=cmake/wine-run.sh
if [ -n "${DISPLAY:-}" ]; then
  # A real desktop: a prefix of its own whose windows the window manager handles.
  export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix-desktop} TAVO_WINE_MANAGED=1
else
  export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix}
fi
if [ $# -ge 1 ]; then
  "$run" reg add 'HKLM\Software\Wine\Ports' /v COM5 /d "$1" /f >/dev/null
  wineserver -k || true
fi
mkdir -p build/run
cd build/run
exec "../../$run" ../win32/src/TAVO.exe
