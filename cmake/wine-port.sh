#!/usr/bin/env bash
# Lists COM port NAME in the Wine prefix, leading to the Unix path DEVICE (a
# device or a link to one, which need not exist yet). Does nothing when the
# prefix already has that mapping; otherwise waits for the prefix's Wine
# server to end, so that the next start lists the port.
#   wine-port.sh NAME DEVICE        (WINEPREFIX as for wine-run.sh)
set -euo pipefail
name=$1 device=$2
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
listed() {   # the prefix's registry holds NAME=DEVICE under Software\Wine\Ports
  [ -f "$WINEPREFIX/system.reg" ] && awk -v want="\"$name\"=\"$device\"" '
    index($0, "[Software\\\\Wine\\\\Ports]") == 1 { inside = 1; next }
    /^\[/ { inside = 0 }
    inside && tolower($0) == tolower(want) { found = 1 }
    END { exit !found }' "$WINEPREFIX/system.reg"
}
listed && exit 0
"$here/wine-run.sh" reg add 'HKLM\Software\Wine\Ports' /v "$name" /d "$device" /f >/dev/null
# The wait can lose its connection as the server ends ("recvmsg"): that is the end.
wineserver -w || true
listed || { echo "wine-port.sh: $name is not in the registry of $WINEPREFIX" >&2; exit 1; }
