#!/usr/bin/env bash
# tavo-cli against the instrument simulator on a pty, one table row per case:
# the simulator's options, the command line, the exit status expected and a
# check of what came out. Each row gets a new simulator, linked as COM7 in a
# port folder, and short line timings in TAVO.ini.
#   cli_test.sh TAVO_CLI SIMULATOR
set -uo pipefail
cli=$(realpath "$1") sim=$(realpath "$2")
work=$(mktemp -d)
sim_pids=()
cleanup() {
  for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export TAVO_PORT_DIR=$work/ports LC_ALL=C.UTF-8
mkdir "$TAVO_PORT_DIR"
printf '[COMM]\r\nBaudRate=9600\r\nParity=0\r\nTimeOut=300\r\nSendDelay=20\r\nSleepTime=1\r\n' > "$work/TAVO.ini"

# start_sim NAME OPTION...: a simulator linked as NAME, its frames in NAME.log,
# its records in NAME.records.
start_sim() {
  local name=$1
  shift
  rm -f "$work/$name.device"
  # setpriv: the simulator ends with this script, also when the script is killed.
  setpriv --pdeathsig KILL "$sim" --link "$TAVO_PORT_DIR/$name" --log "$work/$name.log" \
    --records-out "$work/$name.records" "$@" \
    > "$work/$name.device" &
  sim_pids+=($!)
  for _ in $(seq 100); do [ -s "$work/$name.device" ] && return 0; sleep 0.05; done
  echo "the simulator $name did not start" >&2
  return 1
}
stop_sims() {
  for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  sim_pids=()
}

tavo_cli() { (cd "$work" && "$cli" "$@"); }

# --- checks: on out (standard output), err (standard error), the files ---
out_is() { [ "$(cat "$work/out")" = "$1" ]; }
out_has() { grep -qF -- "$1" "$work/out"; }
out_matches() { grep -qE -- "$1" "$work/out"; }
err_has() { grep -qF -- "$1" "$work/err"; }
err_empty() { [ ! -s "$work/err" ]; }
lines_of() { [ "$(wc -l < "$work/$1")" -eq "$2" ]; }
no_frames() { [ ! -s "$work/COM7.log" ]; }
# Frames the instrument got, as the simulator logs them in hex ("02 51 31 03").
got_frame() { grep -q " $1\$" "$work/COM7.log"; }
file_is() { cmp -s "$work/$1" "$work/$2"; }
# The records of simulator $2 (COM7 unless named; CR LF after each) as TAVO.exe writes them: CR only.
records_with_cr() { tr -d '\n' < "$work/${2:-COM7}.records" > "$work/records.cr" && file_is "$1" records.cr; }
utf8_only() { iconv -f UTF-8 -t UTF-8 "$work/$1" > /dev/null 2>&1; }
# The settings lines of a settings file: no comments, no information keys.
settings_of() {
  grep -vE '^(#|clock|model|version|tavo_indoor|tavo_outdoor|air_temp|humidity|globe_temp) ' "$1"
}
# Reading COM7 gave these settings; applied to a second simulator (COM8) and
# read again there, the same.
round_trip() {
  settings_of "$work/out" > "$work/read1" && diff -u "$work/expected_settings" "$work/read1" || return 1
  start_sim COM8 || return 1
  cp "$work/out" "$work/clone.txt"
  tavo_cli apply clone.txt --port COM8 > "$work/applied" 2>&1 || { cat "$work/applied"; return 1; }
  tavo_cli read --maker --port COM8 > "$work/read2" || return 1
  settings_of "$work/read2" | diff -u "$work/read1" -
}
valid_json() {
  python3 -c 'import json, sys; d = json.load(open(sys.argv[1])); sys.exit(0 if eval(sys.argv[2]) else 1)' \
    "$work/out" "$1"
}
# A CSV file of monitor: the header and `count` lines, each ending in CR LF.
monitor_csv() {
  [ "$(head -1 "$work/mon.csv")" = $'time,tavo_indoor,tavo_outdoor,air_temp,humidity,globe_temp,level\r' ] &&
    [ "$(grep -c $'\r$' "$work/mon.csv")" -eq $(($1 + 1)) ] && lines_of mon.csv $(($1 + 1)) &&
    grep -q $',25.3,26.1,28.4,65.0,30.2,警戒\r$' "$work/mon.csv"
}
# Every command's --help: its usage on standard output, status 0.
all_helps() {
  for command in ports info read apply diff clock download monitor; do
    tavo_cli "$command" --help | head -1 | grep -q "^usage: tavo-cli $command" || { echo "$command --help"; return 1; }
  done
}

# --- commands a row runs besides plain tavo-cli lines ---
# monitor until the first line, then Ctrl-C: it ends at once with status 0.
interrupted_monitor() {
  (cd "$work" && exec "$cli" monitor --port COM7 --interval 60 -o mon.csv) > "$work/out" 2> "$work/err" &
  local pid=$!
  for _ in $(seq 100); do [ -s "$work/out" ] && break; sleep 0.05; done
  kill -INT "$pid"
  wait "$pid"
}
# download with standard error on a terminal: the progress line, redrawn in place.
download_on_terminal() {
  (cd "$work" && script -qec "'$cli' download --port COM7 -o memory.csv" /dev/null) 2>&1 | tr '\r' '\n' > "$work/err"
}

# download into a FIFO, read by cat into fifo.out (cat gives up after a while
# when nothing ever opens the FIFO for writing).
fifo_download() {
  rm -f "$work/fifo" && mkfifo "$work/fifo" && { timeout 20 cat "$work/fifo" > "$work/fifo.out" & }
  local reader=$! status=0
  tavo_cli download --port COM7 -o fifo || status=$?
  wait "$reader"
  return $status
}
# A memory download waits 180 TimeOuts for its answer.
printf '[COMM]\r\nTimeOut=20\r\nSendDelay=20\r\nSleepTime=1\r\n' > "$work/short.ini"
printf 'buzzer = 28.5\n# a comment\nlevel2 = 41.0\nブザー = 30.0\n' > "$work/設定.txt"
printf 'buzzer = 28.5\nlevel2\n' > "$work/bad_line.txt"
printf 'humidity_limit = 80.0\n' > "$work/humidity.txt"
printf 'level1 = 29.0\n' > "$work/level1.txt"
printf 'auto_power_off = off   # the others as the simulator holds them\n' > "$work/power_off.txt"
printf 'buzzer = 30.0\n' > "$work/buzzer.txt"
printf '# the ports of the site\nCOM7\n\n%s\n' "$work/ports/COM8" > "$work/ports.txt"
# An instrument whose settings all differ from the simulator's initial ones.
changed="--reply Q1 --reply I030 --reply B032.06 --reply K1 --reply Sa029.06b030.56c034.06d036.06 \
         --reply 'sa030 b 06 20' --reply L095.08 --reply M1"
printf '%s\n' 'auto_power_off = off' 'memory_interval = 30' 'buzzer = 32.0' 'alarm_mode = on' 'level1 = 29.0' \
  'level2 = 30.5' 'level3 = 34.0' 'level4 = 36.0' 'iot_interval = 30' 'iot_start = 06' 'iot_stop = 20' \
  'humidity_limit = 95.0' 'model_code = 410B' > "$work/expected_settings"

# name | simulator options (shell words) | command | status | check
cases=(
  "ports lists the linked ports, names as the system gives them||ln -s /dev/null $work/ports/ポート; tavo_cli ports; listed=\$?; rm $work/ports/ポート; (exit \$listed)|0|out_is $'COM7\nポート'"
  "info||tavo_cli info --port COM7|0|out_is $'model = TAVO-420BN\nversion = 2.00\niot = true'"
  "info --json, a version below 2.00 without IoT unit|--version 1.30|tavo_cli info --port COM7 --json|0|out_is '{\"model\": \"TAVO-420BN\", \"version\": \"1.30\", \"iot\": false}'"
  "read --maker of changed settings, applied to another instrument, read again|$changed|tavo_cli read --maker --port COM7|0|round_trip"
  "read --json: numbers as numbers|$changed|tavo_cli read --port COM7 --json|0|valid_json 'd[\"memory_interval\"] == 30 and d[\"iot_start\"] == 6 and d[\"level2\"] == 30.5 and d[\"alarm_mode\"] == \"on\" and \"humidity_limit\" not in d'"
  "apply writes only what differs||tavo_cli apply power_off.txt --port COM7|0|out_is 'auto_power_off: written' && got_frame '02 51 31 03'"
  "apply --dry-run prints the frames and sends none||tavo_cli apply power_off.txt --port COM7 --dry-run|0|out_is $'auto_power_off: would be written\n<STX>Q1<ETX>' && ! got_frame '02 51 31 03'"
  "apply: no humidity limit for a model without one|--reply M0|tavo_cli apply humidity.txt --port COM7|0|out_is 'nothing to write: the instrument holds these settings' && err_has 'humidity_limit left out: the model code 410A has no humidity display limit' && ! grep -q ' 02 4C ' $work/COM7.log"
  "apply: a level the instrument holds out of range keeps the thresholds from going out|--reply Sa028.06b001.06c033.06d035.06|tavo_cli apply level1.txt --port COM7|1|err_has '15.0～40.0℃の範囲で入力してください。' && ! grep -q ' 02 53 ' $work/COM7.log"
  "apply: a refused setting|--refuse Q|tavo_cli apply power_off.txt --port COM7|1|out_is 'auto_power_off: not acknowledged' && err_has 'ｵｰﾄﾊﾟﾜｰｵﾌの設定に失敗しました。'"
  "apply: a value out of range, an unknown key: the file refused before anything is sent||tavo_cli apply 設定.txt --port COM7|2|no_frames && err_has '設定.txt:3: level2 = 41.0: 15.0～40.0℃の範囲で入力してください。' && err_has '設定.txt:4: ブザー = 30.0: unknown key ブザー' && utf8_only err"
  "apply: a line without = refuses the file||tavo_cli apply bad_line.txt --port COM7|2|no_frames && err_has 'bad_line.txt: line 2: expected key = value'"
  "clock||tavo_cli clock --port COM7|0|out_matches '^20[0-9]{2}-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9] \\([+-][0-9]+ s from this computer\\)\$'"
  "clock --set|--records 0|tavo_cli clock --port COM7 --json --set '2030-01-02 03:04:05'|0|got_frame '02 54 33 30 30 31 30 32 30 33 30 34 30 35 03' && out_matches '^\\{\"clock\": \"2030-01-02 03:04:0[5-9]\", \"drift\": [0-9]+\\}\$'"
  "clock --set with a bad time||tavo_cli clock --port COM7 --set '2030-02-30 00:00:00'|2|no_frames"
  "download: the records byte for byte, no progress off a terminal|--records 37|tavo_cli download --port COM7 -o memory.csv|0|records_with_cr memory.csv && err_empty"
  "download --crlf|--records 37|tavo_cli download --port COM7 -o memory.csv --crlf|0|file_is memory.csv COM7.records"
  "download with standard error on a terminal: progress|--records 37|download_on_terminal|0|err_has '  37 records    1482 bytes' && records_with_cr memory.csv"
  "download fails (--ini with a short wait): an existing file stays, the message in UTF-8|--ignore O|echo earlier > $work/memory.csv; tavo_cli download --port COM7 -o memory.csv --ini short.ini|1|[ \"\$(cat $work/memory.csv)\" = earlier ] && err_has '一括読出: ﾒﾓﾘﾃﾞｰﾀの読出に失敗しました。' && utf8_only err"
  "download: a reply with not one whole record fails, the file as it was|--reply O#$(printf '%045d' 0)|echo earlier > $work/memory.csv; tavo_cli download --port COM7 -o memory.csv|1|[ \"\$(cat $work/memory.csv)\" = earlier ] && err_has 'ﾒﾓﾘﾃﾞｰﾀの読出に失敗しました。'"
  "download -o a link: the file it leads to written, the link kept|--records 37|echo earlier > $work/real.csv; ln -sfn real.csv $work/latest.csv; tavo_cli download --port COM7 -o latest.csv|0|[ -L $work/latest.csv ] && records_with_cr real.csv"
  "download -o a FIFO: written into it, still a FIFO|--records 37|fifo_download|0|[ -p $work/fifo ] && records_with_cr fifo.out"
  "download -o /dev/full: the failure reported|--records 37|tavo_cli download --port COM7 -o /dev/full|1|err_has 'CSVﾌｧｲﾙの書込に失敗しました。'"
  "monitor --count|--records 0|rm -f $work/mon.csv; tavo_cli monitor --port COM7 --interval 1 --count 2 -o mon.csv|0|lines_of out 2 && out_matches '^20[-0-9]{8} [:0-9]{8}  25.3  26.1  28.4  65.0  30.2  警戒\$' && monitor_csv 2"
  "monitor: Ctrl-C ends it, the CSV file complete|--records 0|rm -f $work/mon.csv; interrupted_monitor|0|lines_of out 1 && monitor_csv 1"
  "monitor --count: an instrument that stops answering|--ignore D|tavo_cli monitor --port COM7 --interval 1 --count 2|1|lines_of err 2 && err_has '測定ﾃﾞｰﾀの取得に失敗しました。'"
  "ports --probe --json: who answers on each port|--version 1.30|start_sim COM8 --ignore v; tavo_cli ports --probe --json|0|valid_json '[(p[\"port\"], p[\"probe\"], p[\"version\"]) for p in d] == [(\"COM7\", \"answered\", \"1.30\"), (\"COM8\", \"no answer\", None)]'"
  "info on three ports, one not answering: each port's output, the table, the worst status||start_sim COM8 --version 1.30; start_sim COM9 --ignore v; tavo_cli info --port COM7 --port COM8 --port COM9|1|out_has $'== COM8\nmodel = TAVO-420BN\nversion = 1.30' && out_matches '^COM7 +0 +TAVO-420BN 2.00\$' && out_matches '^COM9 +1 +no answer' && err_has 'tavo-cli: COM9: no answer from an instrument on COM9'"
  "clock --json on two ports, one not answering: one JSON array||start_sim COM8 --ignore v; tavo_cli clock --json --port COM7 --port COM8|1|valid_json '[(p[\"port\"], p[\"status\"]) for p in d] == [(\"COM7\", 0), (\"COM8\", 1)] and isinstance(d[0][\"result\"][\"drift\"], int) and d[1][\"result\"] is None'"
  "two ports, one missing and named in Japanese: its messages name it in UTF-8||tavo_cli info --port COM7 --port ポート|3|err_has 'tavo-cli: ポート: COMポートオープン: COMポートオープンに失敗しました。' && utf8_only err && out_matches '^ポート +3 '"
  "download from the ports of a file, one a path: a file each by {port}|--records 37|start_sim COM8 --records 5; tavo_cli download --ports ports.txt -o 'rec-{port}.csv'|0|records_with_cr rec-COM7.csv && records_with_cr rec-COM8.csv COM8 && out_matches '/ports/COM8 +0 +5 records in rec-COM8.csv\$'"
  "download from two ports into one file: refused before anything is sent||start_sim COM8; tavo_cli download --port COM7 --port COM8 -o same.csv|2|no_frames && err_has \"{port}\""
  "apply --verify on two ports, one that acknowledges but keeps its value: the key named||start_sim COM8 --reply B032.06; tavo_cli apply buzzer.txt --port COM7 --port COM8 --verify|1|err_has 'COM8: verify: buzzer: written 30.0, read back 32.0' && out_matches '^COM7 +0 +1 group written\$' && out_has 'verified: the instrument holds the settings of the file'"
  "diff on two ports: the differing keys, nothing written|$changed|start_sim COM8; tavo_cli diff power_off.txt --port COM7 --port COM8|1|out_has 'auto_power_off: instrument on, file off' && out_matches '^COM7 +0 +same\$' && ! grep -q ' 02 51 ' $work/COM8.log"
  "no answer|--ignore v|tavo_cli info --port COM7|1|err_has 'no answer from an instrument on COM7'"
  "a port that cannot be opened||tavo_cli read --port COM9|3|err_has 'COMポートオープンに失敗しました。'"
  "a port held by another program|--records 0|exec 9<> $work/ports/COM7; flock -n 9; tavo_cli info --port COM7; held=\$?; exec 9<&-; (exit \$held)|3|err_has 'COMポートオープンに失敗しました。'"
  "bad usage: an unknown option||tavo_cli download --port COM7 --fast -o x.csv|2|no_frames && err_has 'unknown option --fast'"
  "bad usage: read takes one port||tavo_cli read --port COM7 --port COM8|2|no_frames && err_has '--port given more than once'"
  "bad usage: download without -o||tavo_cli download --port COM7|2|no_frames"
  "--help of every command||all_helps|0|true"
)

failed=0
for row in "${cases[@]}"; do
  IFS='|' read -r name options command status check <<< "$row"
  eval "sim_options=($options)"
  rm -f "$work"/*.log "$work/out" "$work/err"
  start_sim COM7 "${sim_options[@]}" || { failed=1; continue; }
  actual=0
  eval "$command" > "$work/out" 2> "$work/err" || actual=$?
  if [ "$actual" = "$status" ] && eval "$check"; then
    echo "ok    $name"
  else
    echo "FAIL  $name (status $actual, expected $status; check: $check)"
    sed 's/^/      out: /' "$work/out"
    sed 's/^/      err: /' "$work/err"
    failed=1
  fi
  stop_sims
done
exit $failed
