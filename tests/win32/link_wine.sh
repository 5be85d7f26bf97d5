#!/usr/bin/env bash
# Runs link_probe.exe under Wine on COM19, which leads to the native instrument
# simulator through a link in the prefix's dosdevices (a port from COM10 up, so
# the \\.\COMn name is used). Exit 77 (skipped) when the native simulator has
# not been built.
# Usage: link_wine.sh SIMULATOR PROBE_EXE
set -euo pipefail
sim=$1 probe=$2
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../../build/wineprefix}
if [ ! -x "$sim" ]; then
  echo "no native simulator at $sim: build the native preset first" >&2
  exit 77
fi
if [ ! -d "$WINEPREFIX/dosdevices" ]; then
  "$here/../../cmake/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true
fi
work=$(mktemp -d)
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
# setpriv: the simulator ends with this script, also when the script is killed.
setpriv --pdeathsig KILL "$sim" --link "$WINEPREFIX/dosdevices/com19" --log "$work/sim.log" >"$work/device" &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/device" ] && break; sleep 0.1; done
[ -s "$work/device" ] || { echo "the simulator did not start" >&2; exit 1; }
cd "$work"   # the link reads TAVO.ini from here: none, so the defaults (9600 bit/s, no parity)
status=0
"$here/../../cmake/wine-run.sh" "$probe" COM19 || status=$?
echo "frames the simulator received:"
cat "$work/sim.log"
exit $status
