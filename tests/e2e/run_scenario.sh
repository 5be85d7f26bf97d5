#!/usr/bin/env bash
# Runs one end-to-end scenario: the instrument simulator on a pty that Wine
# lists as COM7, TAVO.exe in a new directory with short line timings, and the
# GUI driver following the scenario. Header lines of a scenario:
#   #@ sim OPTION...       more options for the simulator (its memory records ...)
#   #@ maker-pages         a vorinfo.ini beside the program: maker tabs and the reset button
#   #@ expect-csv FILE [N] afterwards FILE holds the simulator's records (its first N), each ending in CR
#   #@ wait-ms MS          the driver waits up to MS for each step (default 30000)
#   #@ timeout-ms MS       TimeOut in the program's TAVO.ini (default 1000, the program's own): shorter
#                          where a scenario waits for an answer that never comes
#   #@ guide-pictures      each screenshot (step "shot NAME") is, pixel for pixel, the user guide's
#                          picture docs/NAME.png, which the release package puts inside the guide
# The driver's requests: "screenshot NAME GEOMETRY" (a PNG in $E2E_SHOTS) and
# "stop-instrument". Exit 77 (skipped) when the native simulator is not built.
# With E2E_APP_DIR set, the program runs with that folder's files (an unpacked
# release: its own TAVO.ini) instead of the short line timings.
#   run_scenario.sh TAVO.exe e2e_driver.exe SIMULATOR SCENARIO RESOURCE_HEADER
set -euo pipefail
exe=$(realpath "$1") driver=$(realpath "$2") sim=$(realpath -m "$3") scenario=$(realpath "$4") ids=$(realpath "$5")
here=$(cd "$(dirname "$0")" && pwd)
run="$here/../../cmake/wine-run.sh"
export WINEPREFIX=${WINEPREFIX:-$here/../../build/wineprefix}
shots=${E2E_SHOTS:-$here/../../build/win32/e2e-shots}
if [ ! -x "$sim" ]; then
  echo "no native simulator at $sim: build the native preset first" >&2
  exit 77
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"
fi

winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
header() { sed -n "s/^#@ $1 *//p" "$scenario"; }

port_link="$WINEPREFIX/tavo-e2e-com7"
"$here/../../cmake/wine-port.sh" COM7 "$port_link"
# Debian's Wine server lists every object left when it ends on the error
# output of the program that started it: started here, it keeps that to itself.
wineserver 2>/dev/null || true

work=$(mktemp -d)
sim_pid= tavo_pid= driver_pid=
cleanup() {
  for pid in $driver_pid $tavo_pid $sim_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$shots"
if [ -n "${E2E_APP_DIR:-}" ]; then
  cp -R "$E2E_APP_DIR"/. "$work"/
  exe=$work/$(basename "$exe")
else
  timeout_ms=$(header timeout-ms)
  printf '[COMM]\r\nBaudRate=9600\r\nParity=0\r\nTimeOut=%s\r\nSendDelay=20\r\nSleepTime=1\r\n' "${timeout_ms:-1000}" \
    > "$work/TAVO.ini"
fi
if grep -q "^#@ maker-pages" "$scenario"; then : > "$work/vorinfo.ini"; fi

read -r -a sim_options <<< "$(header sim)"
# setpriv: the simulator ends with this script, also when the script is killed.
setpriv --pdeathsig KILL "$sim" --link "$port_link" --log "$work/sim.log" --records-out "$work/records" \
  "${sim_options[@]}" > "$work/device" &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/device" ] && break; sleep 0.1; done
[ -s "$work/device" ] || { echo "FAIL: the simulator did not start"; exit 1; }

(cd "$work" && exec "$run" "$exe") &
tavo_pid=$!
wait_ms=$(header wait-ms)
export E2E_WAIT_MS=${wait_ms:-30000}
export E2E_SIM_LOG=$(winpath "$work/sim.log") E2E_HOST_DIR=$(winpath "$work") E2E_WORK=$(winpath "$work")
"$run" "$driver" "$(winpath "$scenario")" "$(winpath "$ids")" &
driver_pid=$!

answer() {   # answer REQUEST...: does what the driver asks, says how it went
  case $1 in
    screenshot) import -window root -crop "$3" +repage "$shots/$2.png" && echo ok || echo "import failed" ;;
    stop-instrument) kill "$sim_pid"; wait "$sim_pid" || true; sim_pid=; echo ok ;;
    *) echo "unknown request $1" ;;
  esac
}
while kill -0 "$driver_pid" 2>/dev/null; do
  if [ -f "$work/request" ]; then
    read -r -a request < <(tr -d "\r" < "$work/request")
    rm -f "$work/request"
    answer "${request[@]}" > "$work/reply.new" 2>&1
    mv "$work/reply.new" "$work/reply"
  fi
  sleep 0.1
done
status=0
wait "$driver_pid" || status=$?
driver_pid=
if [ $status -eq 0 ]; then
  for _ in $(seq 300); do kill -0 "$tavo_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$tavo_pid" 2>/dev/null; then
    echo "FAIL: TAVO.exe still runs after the scenario"; status=1
  elif ! wait "$tavo_pid"; then
    echo "FAIL: TAVO.exe ended with an error"; status=1
  fi
  tavo_pid=
fi
read -r csv csv_records <<< "$(header expect-csv)"
if [ $status -eq 0 ] && [ -n "$csv" ]; then
  # Each record the simulator holds is 40 bytes, CR LF included.
  if ! cmp <(head -c $((${csv_records:-511} * 40)) "$work/records" | tr -d '\n') "$work/$csv"; then
    echo "FAIL: $csv differs from the simulator's records"; status=1
  fi
fi
if [ $status -eq 0 ] && grep -q "^#@ guide-pictures" "$scenario"; then
  for name in $(sed -n 's/^shot //p' "$scenario"); do
    if ! differ=$(compare -metric AE "$shots/$name.png" "$here/../../docs/$name.png" null: 2>&1); then
      echo "FAIL: the window is not the guide's picture docs/$name.png ($differ pixels differ); when it changed on" \
           "purpose, take the new one: convert $shots/$name.png -strip PNG8:docs/$name.png"
      status=1
    fi
  done
fi
if [ $status -ne 0 ]; then
  echo "frames the simulator received:"
  cat "$work/sim.log"
fi
exit $status
