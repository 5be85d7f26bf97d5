#!/usr/bin/env bash
# Runs TAVO.exe under Wine: installs what is missing, builds it, and starts it
# in build/run (where its INI files go). Without an argument the instrument
# simulator is started too and offered as COM6 in the port list; with a device
# path (for example /dev/ttyUSB0) that port is offered as COM5 instead.
# Without a display the program runs on a virtual X server.
#   scripts/run.sh [DEVICE]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target TAVO

run=$root/cmake/wine-run.sh
if [ -n "${DISPLAY:-}" ]; then
  # A real desktop: a prefix of its own whose windows the window manager handles.
  export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-desktop} TAVO_WINE_MANAGED=1
else
  export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
fi
mkdir -p build/run

sim_pid=
trap '[ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true' EXIT
if [ $# -ge 1 ]; then
  cmake/wine-port.sh COM5 "$1"
else
  cmake --preset native >/dev/null
  cmake --build --preset native --target tavo_sim
  link=$WINEPREFIX/tavo-sim-com6   # the simulator's pty is reached through this link
  cmake/wine-port.sh COM6 "$link"
  build/native/tools/sim/tavo_sim --link "$link" --records 144 > build/run/sim-device &
  sim_pid=$!
  for _ in $(seq 100); do [ -s build/run/sim-device ] && break; sleep 0.1; done
  [ -s build/run/sim-device ] || { echo "the simulator did not start" >&2; exit 1; }
  echo "simulator on $(cat build/run/sim-device): choose COM6"
fi
# Debian's Wine server lists every object left when it ends on the error
# output of the program that started it: started here, it keeps that to itself.
wineserver 2>/dev/null || true
cd build/run
"$run" ../win32/src/TAVO.exe
