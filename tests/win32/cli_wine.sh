#!/usr/bin/env bash
# Runs tavo-cli.exe under Wine on COM18, which leads to the native instrument
# simulator through a link in the prefix's dosdevices: info, then a download
# compared byte for byte with the simulator's records (each line ending in CR),
# and one to standard output with CR LF; then with a second simulator on COM20
# (COM19 is the link test's, which may run beside) both instruments in one
# run, and the port list with the devices' names and a probe of each; and what
# differs on Windows: files (a folder's check beside a file left behind, two
# ports downloading into one folder, monitor appending), ports (a ports file
# as Notepad saves it, two spellings of one port, one that does not exist told
# as no such port), signals (Ctrl-C in a
# console while apply writes, by CTRL_C), and the help's examples in the quotes of cmd.
# Exit 77 (skipped) when the native simulator has not been built.
#   cli_wine.sh SIMULATOR TAVO_CLI_EXE CTRL_C_EXE
set -euo pipefail
sim=$1 cli=$2 ctrl_c=$3
here=$(cd "$(dirname "$0")" && pwd)
run="$here/../../cmake/wine-run.sh"
export WINEPREFIX=${WINEPREFIX:-$here/../../build/wineprefix}
if [ ! -x "$sim" ]; then
  echo "no native simulator at $sim: build the native preset first" >&2
  exit 77
fi
if [ ! -d "$WINEPREFIX/dosdevices" ]; then
  "$run" cmd /c exit >/dev/null 2>&1 || true
fi
work=$(mktemp -d)
sim2_pid=
trap 'kill $sim_pid $sim2_pid 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
# setpriv: the simulator ends with this script, also when the script is killed.
setpriv --pdeathsig KILL "$sim" --link "$WINEPREFIX/dosdevices/com18" --log "$work/sim.log" --records 24 \
  --records-out "$work/records" >"$work/device" &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/device" ] && break; sleep 0.1; done
[ -s "$work/device" ] || { echo "the simulator did not start" >&2; exit 1; }
cd "$work"
printf '[COMM]\r\nBaudRate=9600\r\nParity=0\r\nTimeOut=300\r\nSendDelay=20\r\nSleepTime=1\r\n' > TAVO.ini

failed=0
check() {   # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then echo "ok    $name"; else echo "FAIL  $name"; failed=1; fi
}
status=0
"$run" "$cli" info --port COM18 > info.out 2> info.err || status=$?
check "info answers" [ "$status" -eq 0 ]
check "info names the model, the version and the IoT unit" \
  [ "$(tr -d '\r' < info.out)" = $'model = TAVO-420BN\nversion = 2.00\niot = true' ]
status=0
"$run" "$cli" download --port COM18 -o memory.csv > download.out 2> download.err || status=$?
check "download succeeds" [ "$status" -eq 0 ]
tr -d '\n' < records > expected.csv
check "download writes the records byte for byte" cmp -s memory.csv expected.csv
"$run" "$cli" download -o - --port COM18 --crlf > stdout.csv 2>> download.err || true
check "download -o - --crlf: the records on standard output, CR LF not turned into CR CR LF" cmp -s stdout.csv records
# Its answers a little late, so that a Ctrl-C finds a setting on the line.
setpriv --pdeathsig KILL "$sim" --link "$WINEPREFIX/dosdevices/com20" --version 1.30 --late 150 \
  --log "$work/sim2.log" >"$work/device2" &
sim2_pid=$!
for _ in $(seq 100); do [ -s "$work/device2" ] && break; sleep 0.1; done
status=0
"$run" "$cli" info --port COM18 --port COM20 > several.out 2> several.err || status=$?
check "info on two ports in one run" [ "$status" -eq 0 ]
check "each port's output, then the table" grep -q '^COM20 *0 *TAVO-420BN 1.30' several.out
status=0
"$run" "$cli" ports --probe > ports.out 2> ports.err || status=$?
check "ports --probe lists and probes the ports" [ "$status" -eq 0 ]
: > '~tavo-check.tmp'
status=0
"$run" "$cli" download --port COM18 --port COM20 -o 'rec-{port}.csv' > two.out 2> two.err || status=$?
check "two ports download into one folder beside a check file left behind" \
  [ "$status" -eq 0 -a -s rec-COM18.csv -a -s rec-COM20.csv ]
printf '\xEF\xBB\xBFCOM18\r\ncom20\r\n' > ports.txt
status=0
"$run" "$cli" info --ports ports.txt > file.out 2> file.err || status=$?
check "a ports file with a byte order mark and CR LF" [ "$status" -eq 0 ]
status=0
"$run" "$cli" info --port COM18 --port com18 > twice.out 2> twice.err || status=$?
check "two spellings of one port are one port" grep -q 'are one port' twice.err
status=0
"$run" "$cli" info --port COM99 > missing.out 2> missing.err || status=$?
no_such_port() { [ "$status" -eq 3 ] && grep -q 'COM99: no such port (tavo-cli.exe ports lists' missing.err; }
check "a port that does not exist: no such port, how to list them, status 3" no_such_port
"$run" "$cli" help download > help.out 2> help.err || true
check "help examples in the quotes of cmd" grep -qF -- '-o "records-{port}.csv"' help.out
"$run" "$cli" monitor --port COM18 --interval 1 --count 1 -o mon.csv > mon.out 2> mon.err || true
"$run" "$cli" monitor --port COM18 --interval 1 --count 1 -o mon.csv >> mon.out 2>> mon.err || true
check "monitor appends to its CSV: one byte order mark, one header, two samples" \
  [ "$(grep -c $'^\xEF\xBB\xBFtime,' mon.csv)" = 1 -a "$(grep -c ',' mon.csv)" = 3 ]
windows_path() { echo "Z:${1//\//\\}"; }
printf 'auto_power_off = off\nbuzzer = 30.0\nmemory_interval = 20\n' > three.txt
# The Wine server of the steps before ends a few seconds after them: a program
# started while it ends can lose its connection ("recvmsg"), so wait for it.
wineserver -w || true
status=0
"$run" "$ctrl_c" "$(windows_path "$work/sim2.log")" ' 02 51 31 03' "$(windows_path "$cli") apply three.txt --port COM20" \
  > ctrlc.out 2> ctrlc.err || status=$?
stopped_by_ctrl_c() {
  [ "$status" -eq 130 ] && grep -q 'auto_power_off: written' ctrlc.out && grep -q 'memory_interval: not sent' ctrlc.out
}
check "Ctrl-C in a console while apply writes: the group on the line, then the list, status 130" stopped_by_ctrl_c
if [ $failed -ne 0 ]; then
  cat info.out info.err download.out download.err several.out several.err ports.out ports.err two.out two.err \
    file.out file.err twice.out twice.err missing.out missing.err help.out help.err mon.out mon.err ctrlc.out ctrlc.err
  echo "frames the simulator received:"
  cat sim.log
fi
exit $failed
