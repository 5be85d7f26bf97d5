#!/usr/bin/env bash
# tavo-cli against the instrument simulator on a pty, one table row per case:
# the simulator's options, the command line, the exit status expected and a
# check of what came out. Each row gets a new simulator, linked as COM7 in a
# port folder, and short line timings in TAVO.ini.
#   cli_test.sh TAVO_CLI SIMULATOR
# Every JSON output of the rows (each run with --json) is then checked against
# the JSON Schema of its command (docs/json-schema), and to be one document on
# one line (monitor's: each line one).
# CLI_ROWS=REGEX runs only the rows whose names match.
set -uo pipefail
cli=$(realpath "$1") sim=$(realpath "$2")
schemas=$(cd "$(dirname "$0")/../../docs/json-schema" && pwd)
work=$(mktemp -d) json_outputs=$(mktemp -d)
sim_pids=()
cleanup() {
  for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work" "$json_outputs"
}
trap cleanup EXIT
export TAVO_PORT_DIR=$work/ports LC_ALL=C.UTF-8
mkdir "$TAVO_PORT_DIR"
printf '[COMM]\r\nBaudRate=9600\r\nParity=0\r\nTimeOut=1000\r\nSendDelay=20\r\nSleepTime=1\r\n' > "$work/TAVO.ini"

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

# tavo-cli in the working folder; with --json its standard output is kept for the schema check.
tavo_cli() {
  local arg command=none kept
  case " $* " in *" --json "*) ;; *) (cd "$work" && "$cli" "$@"); return ;; esac
  for arg in "$@"; do
    case $arg in ports|info|read|apply|diff|clock|download|monitor|version|help) command=$arg; break ;; esac
  done
  kept=$(mktemp "$json_outputs/$command.XXXXXX")
  printf '%s\n' "$*" > "$kept.line"
  (cd "$work" && "$cli" "$@") | tee "$kept"
  return "${PIPESTATUS[0]}"
}

# --- checks: on out (standard output), err (standard error), the files ---
out_is() { [ "$(cat "$work/out")" = "$1" ]; }
out_has() { grep -qF -- "$1" "$work/out"; }
out_matches() { grep -qE -- "$1" "$work/out"; }
err_has() { grep -qF -- "$1" "$work/err"; }
err_empty() { [ ! -s "$work/err" ]; }
lines_of() { [ "$(wc -l < "$work/$1")" -eq "$2" ]; }
no_frames() { [ ! -s "$work/COM7.log" ]; }
# No setting frame reached COM7 (only queries, '$' or '#' after the STX).
no_settings_sent() { ! grep -qE '^[^ ]+ 02 [^2]' "$work/COM7.log"; }
# Frames the instrument got, as the simulator logs them in hex ("02 51 31 03").
got_frame() { grep -q " $1\$" "$work/COM7.log"; }
# The clock frames COM7 got ($1 of them, one unless given) each carry the
# second (of the time of day) in which it arrived.
clock_frame_on_time() {
  python3 - "$work/COM7.log" "${1:-1}" <<'PY'
import re, sys
frames = 0
for line in open(sys.argv[1]):
    m = re.match(r'(\d\d):(\d\d):(\d\d)\.\d+ 02 54((?: 3\d){12}) 03$', line.strip())
    if m:
        frames += 1
        digits = ''.join(chr(int(h, 16)) for h in m.group(4).split())
        if digits[6:] != ''.join(m.group(1, 2, 3)):
            sys.exit('a clock frame that arrived at %s carries %s' % (':'.join(m.group(1, 2, 3)), digits))
sys.exit(0 if frames == int(sys.argv[2]) else '%d clock frames' % frames)
PY
}
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
  tavo_cli apply clone.txt --maker --port COM8 > "$work/applied" 2>&1 || { cat "$work/applied"; return 1; }
  tavo_cli read --maker --port COM8 > "$work/read2" || return 1
  settings_of "$work/read2" | diff -u "$work/read1" -
}
valid_json() {
  python3 -c 'import json, sys; d = json.load(open(sys.argv[1])); sys.exit(0 if eval(sys.argv[2]) else 1)' \
    "$work/out" "$1"
}
# A CSV file of monitor: a UTF-8 byte order mark, the header and `count`
# lines, each ending in CR LF.
monitor_csv() {
  [ "$(head -1 "$work/mon.csv")" = $'\xEF\xBB\xBFtime,tavo_indoor,tavo_outdoor,air_temp,humidity,globe_temp,level\r' ] &&
    [ "$(grep -c $'\r$' "$work/mon.csv")" -eq $(($1 + 1)) ] && lines_of mon.csv $(($1 + 1)) &&
    grep -q $',25.3,26.1,28.4,65.0,30.2,警戒\r$' "$work/mon.csv"
}
# Every command's --help, -h and help COMMAND: its usage on standard output,
# status 0; help alone as --help.
all_helps() {
  [ "$(tavo_cli help | head -1)" = "$(tavo_cli --help | head -1)" ] &&
    tavo_cli help | head -1 | grep -q '^Usage: tavo-cli \[OPTIONS\] COMMAND' || { echo "help"; return 1; }
  for command in ports info read apply diff clock download monitor; do
    for asked in "$command --help" "$command -h" "help $command"; do
      tavo_cli $asked | head -1 | grep -q "^Usage: tavo-cli $command" || { echo "$asked"; return 1; }
    done
    # No option left alone on a line of its own ("--ports FILE,").
    ! tavo_cli help $command | grep -qxE -- '-[-a-z/]+( [A-Z]+)?,?' || { echo "help $command"; return 1; }
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
# monitor into a pipe whose reader has left at once: its status (killed after
# a minute, should it never end).
monitor_into_closed_pipe() {
  (cd "$work" && timeout -s KILL 60 "$cli" monitor --port COM7 --interval 1 | true; exit "${PIPESTATUS[0]}")
}
# monitor until the simulator it talks to has gone, then a new simulator on
# the same port: it is opened again and answers (three good samples; a
# period without the port, should the new simulator be slow, is a failure).
vanishing_monitor() {
  (cd "$work" && exec "$cli" monitor --port COM7 --interval 1 --count 3) > "$work/out" 2> "$work/err" &
  local pid=$!
  for _ in $(seq 200); do grep -q 'is gone' "$work/err" && break; sleep 0.05; done
  start_sim COM7 --records 0
  wait "$pid"
}
# tavo-cli with the arguments given, ended by the signal $1 once COM7 got the
# frame $until_frame (apply's first setting frame, auto_power_off = off, unless
# named), while it is on the line, or $signal_delay seconds later.
signalled_cli() {
  local signal=$1
  shift
  (cd "$work" && exec "$cli" "$@") > "$work/out" 2> "$work/err" &
  local pid=$!
  for _ in $(seq 200); do got_frame "${until_frame:-02 51 31 03}" && break; sleep 0.05; done
  sleep "${signal_delay:-0}"
  kill -"$signal" "$pid"
  wait "$pid"
}
signalled_apply() {
  local signal=$1
  shift
  signalled_cli "$signal" apply "$@"
}
# tavo-cli with each command line given (shell words), its standard output a
# full disk (itself, not through the schema check's copy): 0 when each ended
# with status 4, else 9.
to_full_disk() {
  local command
  for command in "$@"; do
    (cd "$work" && eval "exec \"\$cli\" $command") > /dev/full
    [ $? = 4 ] || return 9
  done
}
# tavo-cli with the arguments given, its standard output a pipe whose reader
# has gone: its status.
into_closed_pipe() {
  tavo_cli "$@" | true
  return "${PIPESTATUS[0]}"
}
# Every line of out a JSON object that passes the condition on d.
json_lines() {
  python3 -c 'import json, sys; sys.exit(0 if all(eval(sys.argv[2]) for d in map(json.loads, open(sys.argv[1]))) else 1)' \
    "$work/out" "$1"
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
# download into a folder where every scratch name is taken, so the file itself
# is written, with files limited to 1 KiB (the records take more): a full disk.
cut_short_download() {
  local n
  mkdir -p "$work/full" && echo "old records" > "$work/full/memory.csv"
  for n in $(seq 0 99); do : > "$work/full/memory.csv~$n.tmp"; : > "$work/full/~tavo$n.tmp"; done
  (trap '' XFSZ; ulimit -f 1; tavo_cli download --port COM7 -o full/memory.csv)
}
# A memory download waits 180 TimeOuts for its answer.
printf '[COMM]\r\nTimeOut=20\r\nSendDelay=20\r\nSleepTime=1\r\n' > "$work/short.ini"
printf 'buzzer = 28.5\n# a comment\nlevel2 = 41.0\nブザー = 30.0\n' > "$work/設定.txt"
printf 'buzzer = 28.5\nlevel2\n' > "$work/bad_line.txt"
printf 'humidity_limit = 80.0\n' > "$work/humidity.txt"
printf 'auto_power_off = off\n' | iconv -t UTF-16 > "$work/utf16.txt"
printf 'level1 = 29.0\n' > "$work/level1.txt"
printf 'auto_power_off = off   # the others as the simulator holds them\n' > "$work/power_off.txt"
printf 'buzzer = 30.0\n' > "$work/buzzer.txt"
printf 'iot_start = 9\nbuzzer = 0\n' > "$work/other_forms.txt"
printf '# the ports of the site\nCOM7\n\n%s\n' "$work/ports/COM8" > "$work/ports.txt"
printf 'COM7\n' > "$work/one.ports"
# A measurement answer with the indoor TAVO given (sign and four characters).
measurement() { echo "--reply 'D01$1,  02+26.1,  03+28.4,  04+65.0,  05+27.9,  06+30.2'"; }
bands="$(measurement +31.0) $(measurement +30.9) $(measurement +28.0) $(measurement +25.0) $(measurement +24.9) \
       $(measurement +21.0) $(measurement +20.9)"
# A value that is no number (a formula to a spreadsheet), then a good one, in turn.
no_number="$(measurement '+=1+2') $(measurement +25.3)"
mkfifo "$work/settings.fifo"
printf 'auto_power_off = off\nhumidity_limit = 80.0\nmodel_code = 410A\n' > "$work/maker.txt"
printf 'model = TAVO-420BN\nmodel_code = 420A\n' > "$work/model.txt"
printf 'auto_power_off = off\nlevel1 =\nlevel2 = 30.0\nbuzzer = 2\0008.5\n' > "$work/unsendable.txt"
printf 'auto_power_off = off\nbuzzer = 30.0\nmemory_interval = 20\n' > "$work/three.txt"
head -c 1100000 /dev/zero | tr '\0' '#' > "$work/big.txt"
printf '[COMM]\r\nBaudRate=12345\r\n' > "$work/odd_speed.ini"
printf '\xEF\xBB\xBFCOM7\r\n%s\r\n' "$work/ports/COM8" > "$work/ports_bom_crlf.txt"
printf 'COM7\n\0COM8\n' > "$work/ports_zero.txt"
seq -f 'COM%g' 257 > "$work/ports_257.txt"
printf 'level1 =\n' > "$work/level1_empty.txt"
printf 'auto_power_off = off\r\nbuzzer = 30.0\r\n' > "$work/crlf.txt"
printf '[COMM]\r\nTimeOut=1000\r\nSendDelay=-500\r\nSleepTime=1\r\n' > "$work/negative_delay.ini"
printf '[COMM]\r\nTimeOut=400\r\nSendDelay=20\r\nSleepTime=1\r\n' > "$work/late.ini"
# A wait longer than the pause that takes a frame to the next whole second.
printf '[COMM]\r\nTimeOut=3000\r\nSendDelay=20\r\nSleepTime=1\r\n' > "$work/long_wait.ini"
printf 'buzzer = 30.0\nalarm_mode = on\n' > "$work/buzzer_alarm.txt"
# Bytes 100 ms apart: an answer late by most of a period comes while the next query goes out.
printf '[COMM]\r\nTimeOut=300\r\nSendDelay=20\r\nSleepTime=100\r\n' > "$work/slow_bytes.ini"
printf '[COMM]\r\nBaudRate=abc\r\nParity=7\r\nTimeOut=abc\r\n' > "$work/bad_values.ini"
mkdir "$work/bad_ini" && cp "$work/bad_values.ini" "$work/bad_ini/TAVO.ini"
printf 'alarm_mode = OFF\nauto_power_off = On\nmodel_code = 420bn\n' > "$work/any_case.txt"
printf 'buzzer = ３０.0\niot_interval = １０\n' > "$work/full_width.txt"
# A buzzer reply of every byte the reply buffer holds, all nines.
whole_buffer_b="--reply B$(head -c 20478 /dev/zero | tr '\0' 9)"
# An instrument whose settings all differ from the simulator's initial ones.
changed="--reply Q1 --reply I030 --reply B032.06 --reply K1 --reply Sa029.06b030.56c034.06d036.06 \
         --reply 'sa030 b 06 20' --reply L095.08 --reply M1"
printf '%s\n' 'auto_power_off = off' 'memory_interval = 30' 'buzzer = 32.0' 'alarm_mode = on' 'level1 = 29.0' \
  'level2 = 30.5' 'level3 = 34.0' 'level4 = 36.0' 'iot_interval = 30' 'iot_start = 6' 'iot_stop = 20' \
  'humidity_limit = 95.0' 'model_code = 410B' > "$work/expected_settings"

# name | simulator options (shell words) | command | status | check
cases=(
  "ports lists the linked ports, names as the system gives them||ln -s /dev/null $work/ports/ポート; tavo_cli ports; listed=\$?; rm $work/ports/ポート; (exit \$listed)|0|out_is $'COM7\nポート'"
  "info||tavo_cli info --port COM7|0|out_is $'model = TAVO-420BN\nversion = 2.00\niot = true'"
  "info --json, a version below 2.00 without IoT unit|--version 1.30|tavo_cli info --port COM7 --json|0|out_is '{\"model\":\"TAVO-420BN\",\"version\":\"1.30\",\"iot\":false}'"
  "read --maker of changed settings, applied to another instrument, read again|$changed|tavo_cli read --maker --port COM7|0|round_trip"
  "read --json: numbers as numbers|$changed|tavo_cli read --port COM7 --json|0|valid_json 'd[\"memory_interval\"] == 30 and d[\"iot_start\"] == 6 and d[\"level2\"] == 30.5 and d[\"alarm_mode\"] == \"on\" and \"humidity_limit\" not in d'"
  "read --maker of a TAVO-410A: no humidity limit, which the model has not|--model TAVO-410A --reply M0|tavo_cli read --maker --port COM7|0|out_has 'model_code = 410A' && ! out_has humidity_limit"
  "apply writes only what differs||tavo_cli apply power_off.txt --port COM7|0|out_is 'auto_power_off: written' && got_frame '02 51 31 03'"
  "apply --verify, again, diff: values compared as values, not as the texts the instrument writes||tavo_cli apply other_forms.txt --port COM7 --verify && tavo_cli apply other_forms.txt --port COM7 && tavo_cli diff other_forms.txt --port COM7|0|err_has 'verified: the instrument holds' && out_has 'nothing to write' && out_has 'same: the instrument holds'"
  "apply: an answer no page shows as it came, in a setting the file leaves as it is: nothing sent, nothing said|--reply Q1 --byte I4=81|tavo_cli apply power_off.txt --port COM7|0|out_is 'nothing to write: the instrument holds these settings' && err_empty && no_settings_sent"
  "apply --dry-run prints the frames and sends none||tavo_cli apply power_off.txt --port COM7 --dry-run|0|out_is $'auto_power_off: would be written\n<STX>Q1<ETX>' && ! got_frame '02 51 31 03'"
  "apply --maker: no humidity limit for a model without one|--reply M0|tavo_cli apply humidity.txt --maker --force --port COM7|0|out_is 'nothing written: the instrument holds the settings that were not left out' && err_has 'humidity_limit left out: the model code 410A has no humidity display limit' && ! grep -q ' 02 4C ' $work/COM7.log"
  "apply: a level the instrument holds out of range fails the read, the key named, nothing sent|--reply Sa028.06b001.06c033.06d035.06|tavo_cli apply level1.txt --port COM7|1|err_has 'level2: the instrument' && err_has '15.0～40.0℃の範囲で入力してください。' && no_settings_sent"
  "read: a foreign byte inside a number fails its query: the key named, no value, status 1|--byte B3=58|tavo_cli read --port COM7|1|err_has 'buzzer: the instrument' && out_has 'level1 = 28.0' && ! out_matches '^buzzer = .'"
  "diff: a reply of the whole buffer's nines fails the buzzer's query, no difference told|$whole_buffer_b|tavo_cli diff buzzer.txt --port COM7|1|err_has 'buzzer: the instrument' && out_is ''"
  "read: an LF inside a reply field fails the query as a zero byte does|--byte B4=0A|tavo_cli read --port COM7|1|err_has '初期データの取得に失敗しました。' && out_is ''"
  "apply: a refused setting|--refuse Q|tavo_cli apply power_off.txt --port COM7|1|out_is 'auto_power_off: refused' && err_has 'ｵｰﾄﾊﾟﾜｰｵﾌの設定に失敗しました。'"
  "apply: a value out of range, an unknown key: the file refused before anything is sent||tavo_cli apply 設定.txt --port COM7|2|no_frames && err_has '設定.txt:3: level2: 15.0～40.0℃の範囲で入力してください。' && err_has '設定.txt:4: ブザー: unknown key' && utf8_only err"
  "apply without --maker: the maker settings left out in one line, never sent||tavo_cli apply maker.txt --port COM7|0|out_is 'auto_power_off: written' && err_has 'humidity_limit, model_code left out: maker settings are written only with --maker' && ! grep -qE ' 02 (4C|4D) ' $work/COM7.log"
  "apply --maker of a file read from another model: refused, no setting sent|--model TAVO-410A|tavo_cli apply model.txt --maker --port COM7|2|err_has 'model.txt:1: model: the file was read from TAVO-420BN, the instrument on COM7 is TAVO-410A' && ! grep -qE ' 02 4D ' $work/COM7.log"
  "apply --maker --force: written to another model|--model TAVO-410A|tavo_cli apply model.txt --maker --force --port COM7|0|out_is 'model_code: written'"
  "apply: an empty level beside filled ones, a NUL in a value: the whole file refused before anything is sent||tavo_cli apply unsendable.txt --port COM7|2|no_frames && err_has 'unsendable.txt:2: level1: empty beside filled ones of level1-level4' && err_has 'unsendable.txt:4: buzzer: a control character'"
  "apply ended by SIGTERM: after the group on the line, every group told, status 143|--late 150|signalled_apply TERM three.txt --port COM7|143|out_has 'auto_power_off: written' && out_has 'memory_interval: not sent'"
  "apply on two ports ended by Ctrl-C, one with nothing to write: every port told, interrupted, status 130|--late 150|start_sim COM8 --reply Q1 --reply B030.06 --reply I020; signalled_apply INT three.txt --port COM7 --port COM8|130|out_has 'auto_power_off: written' && out_has 'memory_interval: not sent' && out_matches '^COM7 +130 +interrupted\$' && out_matches '^COM8 +0 +nothing to write\$'"
  "apply ended by Ctrl-C while it still reads: nothing written, status 130|--late 150|until_frame='02 24 42 03' signalled_apply INT three.txt --port COM7|130|out_is 'nothing written: stopped before the first group' && no_settings_sent"
  "apply: every buzzer ACK later than its wait, the alarm mode never answered: no ACK taken for a later frame|--late 600 --late-ack B --early-ack K|tavo_cli apply buzzer_alarm.txt --port COM7 --ini late.ini|1|out_is $'buzzer: refused\nalarm_mode: refused'"
  "apply ended by SIGHUP (its terminal closed): after the group on the line, every group told, status 129|--late 150|signalled_apply HUP three.txt --port COM7|129|out_has 'auto_power_off: written' && out_has 'memory_interval: not sent'"
  "download on two ports ended by Ctrl-C while the records come in (43 s of them): each stops receiving, no file, the table, status 130|--records 511 --baud 4800|start_sim COM8 --records 511 --baud 4800; until_frame='02 24 4F 03' signalled_cli INT download --port COM7 --port COM8 -o 'r-{port}.csv'|130|out_matches '^COM7 +130 +interrupted before the records were whole: no file written\$' && out_matches '^COM8 +130 +interrupted' && ! ls $work | grep -q '^r-'"
  "read on two ports ended by SIGTERM mid-way (each answer late): no settings printed, no later query, the table, status 143|--late 300|start_sim COM8 --late 300; until_frame='02 24 51 03' signalled_cli TERM read --port COM7 --port COM8|143|! out_has ' = ' && out_matches '^COM7 +143 +interrupted before the settings were read whole: nothing printed\$' && out_matches '^COM8 +143 +interrupted' && ! got_frame '02 24 44 03'"
  "standard output that cannot be written: read, info --json, diff, apply --dry-run, ports, version, --version each fail with the reason, status 4||to_full_disk 'read --port COM7' 'info --port COM7 --json' 'diff power_off.txt --port COM7' 'apply power_off.txt --port COM7 --dry-run' ports version --version|0|[ \"\$(grep -c 'cannot write standard output: No space left on device' $work/err)\" = 7 ]"
  "apply into a closed pipe: every group still sent, the reason, status 4||into_closed_pipe apply three.txt --port COM7|4|got_frame '02 49 30 32 30 03' && err_has 'cannot write standard output: Broken pipe'"
  "an empty settings file, or one of comments only, refused before anything is sent; an empty ports file names no port||: > $work/empty.txt; printf '# nothing\\n' > $work/comments.txt; tavo_cli apply empty.txt --port COM7; tavo_cli diff comments.txt --port COM7; tavo_cli info --ports empty.txt|2|no_frames && err_has 'empty.txt: names no setting' && err_has 'comments.txt: names no setting' && err_has 'empty.txt: names no port'"
  "apply ended by Ctrl-C while an unanswered group is sent again: no more resends, that group sent, not acknowledged, status 130|--early-ack B|until_frame='02 42 30 33 30 2E 30 36 03' signalled_apply INT three.txt --port COM7|130|out_is $'auto_power_off: written\nbuzzer: sent, not acknowledged\nmemory_interval: not sent' && [ \"\$(grep -c ' 02 42 30 33 30 2E 30 36 03\$' $work/COM7.log)\" -lt 3 ]"
  "apply ended by Ctrl-C in the pause for an answer owed before a resend: not sent again, that group sent, not acknowledged, status 130|--early-ack B|until_frame='02 42 30 33 30 2E 30 36 03' signal_delay=4 signalled_apply INT three.txt --port COM7 --ini long_wait.ini|130|out_is $'auto_power_off: written\nbuzzer: sent, not acknowledged\nmemory_interval: not sent' && [ \"\$(grep -c ' 02 42 30 33 30 2E 30 36 03\$' $work/COM7.log)\" = 1 ]"
  "apply --verify ended by Ctrl-C while it reads back: not verified, status 130|--late 150|signal_delay=0.5 signalled_apply INT power_off.txt --port COM7 --verify|130|out_is 'auto_power_off: written' && err_has 'verify: stopped before the settings were read back' && ! err_has 'verified'"
  "apply to a port that vanishes while a group awaits its acknowledgement: that group sent, not acknowledged; the later not sent|--gone-after 10 --early-ack B|tavo_cli apply three.txt --port COM7|1|out_is $'auto_power_off: written\nbuzzer: sent, not acknowledged\nmemory_interval: not sent'"
  "apply to a port that vanishes after the first group: the later groups not sent|--gone-after 9|tavo_cli apply three.txt --port COM7|1|out_is $'auto_power_off: written\nbuzzer: not sent\nmemory_interval: not sent'"
  "apply --verify whose read-back gets no answer: verify named, status 1|--mute-after 9|tavo_cli apply power_off.txt --port COM7 --verify|1|out_is 'auto_power_off: written' && err_has 'verify: the settings could not be read back'"
  "apply: an empty level beside levels the file leaves out (the instrument's, filled): the whole file refused||tavo_cli apply level1_empty.txt --port COM7|2|no_frames && err_has 'level1_empty.txt:1: level1: empty beside filled ones'"
  "apply --maker of a file that names no model: refused unless --force||tavo_cli apply humidity.txt --maker --port COM7|2|no_settings_sent && err_has 'names no model'"
  "apply of a file with CR LF line ends (Notepad's): read as with LF||tavo_cli apply crlf.txt --port COM7|0|out_is $'auto_power_off: written\nbuzzer: written'"
  "diff --maker of the instrument's own read --maker: same|$changed|tavo_cli read --maker --port COM7 > $work/own.txt && tavo_cli diff own.txt --maker --port COM7|0|out_is 'same: the instrument holds the settings of the file' && grep -q ' 02 24 4C 03' $work/COM7.log"
  "apply: a line without = refuses the file||tavo_cli apply bad_line.txt --port COM7|2|no_frames && err_has 'bad_line.txt:2: level2: expected key = value'"
  "clock||tavo_cli clock --port COM7|0|out_matches '^20[0-9]{2}-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9] \\([+-][0-9]+ s from this computer\\)\$'"
  "clock --set|--records 0|tavo_cli clock --port COM7 --json --set '2030-01-02 03:04:05'|0|got_frame '02 54 33 30 30 31 30 32 30 33 30 34 30 35 03' && out_matches '^\\{\"clock\":\"2030-01-02 03:04:0[5-9]\",\"drift\":[0-9]+\\}\$'"
  "clock --set now: the clock frame carries the second it arrives in, no drift (but the second that may pass before the clock is read)|--records 0|tavo_cli clock --port COM7 --set now|0|clock_frame_on_time && out_matches '\\((\\+0|-1) s from this computer\\)\$'"
  "clock --set now with a negative SendDelay: no pause counted, the frame on time|--records 0|tavo_cli clock --port COM7 --set now --ini negative_delay.ini|0|clock_frame_on_time"
  "clock --set now whose first frame is lost on the line: the resend carries the second it arrives in, not the first one's|--records 0 --drop-once T|tavo_cli clock --port COM7 --set now --ini long_wait.ini|0|clock_frame_on_time 2 && out_matches '\\((\\+0|-1) s from this computer\\)\$'"
  "clock --set on one port ended by Ctrl-C while its frame is on the line: the frame finished, not read back, status 130|--records 0|until_frame='02 24 73 03' signal_delay=0.7 signalled_cli INT clock --port COM7 --set '2030-01-02 03:04:05' --ini slow_bytes.ini|130|got_frame '02 54 33 30 30 31 30 32 30 33 30 34 30 35 03' && err_has 'interrupted after the clock was set, before it was read back' && [ \"\$(grep -c ' 02 24 54 03\$' $work/COM7.log)\" = 1 ]"
  "clock --set to an instrument that acknowledges but keeps its time: status 1|--forget T|tavo_cli clock --port COM7 --set '2030-01-02 03:04:05'|1|err_has 'acknowledged the clock but keeps another time' && got_frame '02 54 33 30 30 31 30 32 30 33 30 34 30 35 03'"
  "clock --set read back: one second off the time set passes, five fail|--reply T300102030406|start_sim COM8 --reply T300102030410; tavo_cli clock --port COM7 --set '2030-01-02 03:04:05' && ! tavo_cli clock --port COM8 --set '2030-01-02 03:04:05'|0|err_has 'keeps another time: 2030-01-02 03:04:10, ' && ! err_has '03:04:06, '"
  "clock more than a minute off: the drift in hours, minutes and seconds|--records 0|tavo_cli clock --port COM7 --set '2030-01-02 03:04:05'|0|out_matches '^2030-01-02 03:04:0[5-9] \\(\\+[0-9]+ h [0-5][0-9] min [0-5][0-9] s from this computer\\)\$'"
  "clock --set with a bad time||tavo_cli clock --port COM7 --set '2030-02-30 00:00:00'|2|no_frames && err_has '--set takes now or \"YYYY-MM-DD hh:mm:ss\" (2000-2099)'"
  "download: the records byte for byte, no progress off a terminal|--records 37|tavo_cli download --port COM7 -o memory.csv|0|records_with_cr memory.csv && err_empty"
  "download --crlf|--records 37|tavo_cli download --port COM7 -o memory.csv --crlf|0|file_is memory.csv COM7.records"
  "download with standard error on a terminal: progress|--records 37|download_on_terminal|0|err_has '  37 records    1482 bytes' && records_with_cr memory.csv"
  "download fails (--ini with a short wait): an existing file stays, the message in UTF-8|--ignore O|echo earlier > $work/memory.csv; tavo_cli download --port COM7 -o memory.csv --ini short.ini|1|[ \"\$(cat $work/memory.csv)\" = earlier ] && err_has '一括読出: ﾒﾓﾘﾃﾞｰﾀの読出に失敗しました。' && utf8_only err && ! err_has 'more than 511'"
  "download: a reply with not one whole record fails, the file as it was|--reply O#$(printf '%045d' 0)|echo earlier > $work/memory.csv; tavo_cli download --port COM7 -o memory.csv|1|[ \"\$(cat $work/memory.csv)\" = earlier ] && err_has 'ﾒﾓﾘﾃﾞｰﾀの読出に失敗しました。'"
  "download -o a link: the file it leads to written, the link kept|--records 37|echo earlier > $work/real.csv; ln -sfn real.csv $work/latest.csv; tavo_cli download --port COM7 -o latest.csv|0|[ -L $work/latest.csv ] && records_with_cr real.csv"
  "download -o a FIFO: written into it, still a FIFO|--records 37|fifo_download|0|[ -p $work/fifo ] && records_with_cr fifo.out"
  "download -o /dev/full: the failure reported with the system's reason|--records 37|tavo_cli download --port COM7 -o /dev/full|4|err_has 'cannot write /dev/full: No space left on device'"
  "download -o -: the records on standard output|--records 37|tavo_cli download --port COM7 -o -|0|records_with_cr out"
  "download written in place for want of a scratch name, the disk full: the reason, told the file is cut short, status 4|--records 64|cut_short_download|4|err_has 'cannot write full/memory.csv: File too large' && err_has 'full/memory.csv was written in place (no new file could be made beside it) and is cut short'"
  "download -o a read-only file: status 4, the real reason, the file as it was|--records 3|echo old > $work/ro.csv; chmod 444 $work/ro.csv; tavo_cli download --port COM7 -o ro.csv|4|err_has 'cannot write ro.csv: Permission denied' && [ \"\$(cat $work/ro.csv)\" = old ]"
  "download -o - --json: both would take standard output, refused||tavo_cli download --port COM7 -o - --json|2|no_frames && err_has 'would both take standard output'"
  "download -o in a folder that does not exist: refused before anything is sent||tavo_cli download --port COM7 -o nowhere/memory.csv|4|no_frames && err_has 'cannot write nowhere/memory.csv: No such file or directory'"
  "download -o a folder: refused before anything is sent||tavo_cli download --port COM7 -o .|4|no_frames && err_has 'cannot write .: Is a directory'"
  "download of a part-read reply: the records read written, a warning, status 1|--records 37 --slip O|tavo_cli download --port COM7 -o memory.csv|1|err_has '一部のﾒﾓﾘﾃﾞｰﾀを読み出せませんでした。' && [ -s $work/memory.csv ]"
  "download: a control byte inside a record is damage: a warning, not complete, status 1, the CSV as it came|--records 3 --byte O20=1A|tavo_cli download --port COM7 -o memory.csv --json|1|err_has '一部のﾒﾓﾘﾃﾞｰﾀ' && valid_json 'd[\"records\"] == 3 and d[\"complete\"] is False and d[\"status\"] == 1' && [ \"\$(head -c 19 $work/memory.csv | tail -c 1 | od -An -tx1)\" = ' 1a' ]"
  "download: an answer that never ends fails once it outgrows the reply buffer, not after 180 waits|--endless O|rm -f $work/memory.csv; (cd $work && timeout 60 $cli download --port COM7 -o memory.csv)|1|err_has 'ﾒﾓﾘﾃﾞｰﾀの読出に失敗しました。' && err_has 'the answer outgrew the 20480 bytes' && [ ! -e $work/memory.csv ]"
  "download of 512 records: more than one answer holds, told so|--records 512|rm -f $work/memory.csv; tavo_cli download --port COM7 -o memory.csv|1|err_has 'holds more than 511 records' && [ ! -e $work/memory.csv ]"
  "monitor --count|--records 0|rm -f $work/mon.csv; tavo_cli monitor --port COM7 --interval 1 --count 2 -o mon.csv|0|lines_of out 2 && out_matches '^20[-0-9]{8} [:0-9]{8}  25.3  26.1  28.4  65.0  30.2  警戒\$' && monitor_csv 2"
  "monitor: every measurement answer so late that it comes while the next query goes out: no sample takes another's answer|--late 850 --late-to D|tavo_cli monitor --port COM7 --interval 1 --count 2 --ini slow_bytes.ini|1|out_is '' && lines_of err 2"
  "monitor: Ctrl-C ends it, the CSV file complete|--records 0|rm -f $work/mon.csv; interrupted_monitor|0|lines_of out 1 && monitor_csv 1"
  "monitor --count: an instrument that stops answering|--ignore D|tavo_cli monitor --port COM7 --interval 1 --count 2|1|lines_of err 2 && err_has '測定ﾃﾞｰﾀの取得に失敗しました。'"
  "ports --probe --json: who answers on each port|--version 1.30|start_sim COM8 --ignore v; tavo_cli ports --probe --json|0|valid_json '[(p[\"port\"], p[\"probe\"], p[\"version\"]) for p in d] == [(\"COM7\", \"answered\", \"1.30\"), (\"COM8\", \"no answer\", None)]'"
  "info on three ports, one not answering: each port's output, the table, the worst status||start_sim COM8 --version 1.30; start_sim COM9 --ignore v; tavo_cli info --port COM7 --port COM8 --port COM9|1|out_has $'== COM8\nmodel = TAVO-420BN\nversion = 1.30' && out_matches '^COM7 +0 +TAVO-420BN 2.00\$' && out_matches '^COM9 +1 +no answer' && err_has 'tavo-cli: COM9: no answer from an instrument' && ! err_has 'on COM9'"
  "clock --json on two ports, one not answering: one JSON array||start_sim COM8 --ignore v; tavo_cli clock --json --port COM7 --port COM8|1|valid_json '[(p[\"port\"], p[\"status\"]) for p in d] == [(\"COM7\", 0), (\"COM8\", 1)] and isinstance(d[0][\"result\"][\"drift\"], int) and d[1][\"result\"] is None'"
  "two ports, one missing and named in Japanese: its messages name it in UTF-8||tavo_cli info --port COM7 --port ポート|3|err_has 'tavo-cli: ポート: COMポートオープン: COMポートオープンに失敗しました。' && err_has 'tavo-cli: ポート: No such file' && ! err_has 'ポート: ポート' && utf8_only err && out_matches '^ポート +3 '"
  "download from the ports of a file, one a path: a file each by {port}|--records 37|start_sim COM8 --records 5; tavo_cli download --ports ports.txt -o 'rec-{port}.csv'|0|records_with_cr rec-COM7.csv && records_with_cr rec-COM8.csv COM8 && out_matches '/ports/COM8 +0 +5 records in rec-COM8.csv\$'"
  "download -o with {date}: two ports, each file named with the day the run started|--records 37|start_sim COM8 --records 5; day=\$(date +%F); tavo_cli download --port COM7 --port COM8 -o 'rec-{port}-{date}.csv'|0|records_with_cr rec-COM7-\$day.csv && records_with_cr rec-COM8-\$day.csv COM8"
  "download from two ports whose names are links to one file, there or not yet: refused before anything is sent||start_sim COM8; echo old > $work/one.csv; ln -s one.csv $work/x-COM7.csv; ln -s one.csv $work/x-COM8.csv; ln -s none.csv $work/y-COM7.csv; ln -s none.csv $work/y-COM8.csv; tavo_cli download --port COM7 --port COM8 -o 'x-{port}.csv'; there=\$?; tavo_cli download --port COM7 --port COM8 -o 'y-{port}.csv'; [ \$there = 2 ]|0|no_frames && lines_of err 2 && err_has 'two ports would write x-COM8.csv' && err_has 'two ports would write y-COM8.csv' && [ \"\$(cat $work/one.csv)\" = old ] && [ ! -e $work/none.csv ]"
  "download -o 'a\\b.csv' on Linux: a file of that name, not a folder|--records 3|tavo_cli download --port COM7 -o 'a\\b.csv'|0|records_with_cr 'a\\b.csv'"
  "--ports /dev/zero, a file of 257 ports, one with a zero byte: refused before anything is sent||tavo_cli info --ports /dev/zero; tavo_cli info --ports ports_257.txt; tavo_cli info --ports ports_zero.txt|2|no_frames && err_has '/dev/zero: not a regular file' && err_has '257 ports: one run serves at most 256' && err_has 'ports_zero.txt: a zero byte'"
  "--ports with a byte order mark and CR LF line ends (Notepad's)||start_sim COM8; tavo_cli info --ports ports_bom_crlf.txt|0|out_matches '^COM7 +0 ' && out_matches '/ports/COM8 +0 '"
  "two names of one port: refused as one port||tavo_cli info --port COM7 --port $work/ports/COM7|2|no_frames && err_has 'are one port'"
  "download from two ports into one file: refused before anything is sent||start_sim COM8; tavo_cli download --port COM7 --port COM8 -o same.csv|2|no_frames && err_has \"{port}\""
  "apply --verify on two ports, one that acknowledges but keeps its value: the key named||start_sim COM8 --reply B032.06; tavo_cli apply buzzer.txt --port COM7 --port COM8 --verify|1|err_has 'COM8: verify: buzzer: written 30.0, read back 32.0' && out_matches '^COM7 +0 +1 group written\$' && err_has 'COM7: verified: the instrument holds the settings of the file'"
  "diff --json: the settings that differ as one object, status 5||tavo_cli diff power_off.txt --port COM7 --json|5|valid_json 'd == {\"differences\": [{\"key\": \"auto_power_off\", \"instrument\": \"on\", \"file\": \"off\"}], \"left_out\": []}'"
  "apply of a bad settings file on two ports: the file's problems told once||start_sim COM8; tavo_cli apply 設定.txt --port COM7 --port COM8|2|no_frames && [ \"\$(grep -c 'level2: 15.0' $work/err)\" = 1 ]"
  "--verbose on two ports: each frame's line names its port||start_sim COM8; tavo_cli info --port COM7 --port COM8 --verbose|0|grep -qE '^[0-9:.]{12} COM8 > <STX>#v<ETX>\$' $work/err && grep -qE '^[0-9:.]{12} COM7 < <STX>vTAVO' $work/err"
  "apply on two ports, a note before a refusal: the table tells the refusal|--refuse Q|start_sim COM8; tavo_cli apply maker.txt --port COM7 --port COM8|1|err_has 'COM7: humidity_limit, model_code left out' && out_matches '^COM7 +1 +ｵｰﾄﾊﾟﾜｰｵﾌ設定異常: ' && out_matches '^COM8 +0 +1 group written\$'"
  "diff on two ports: the differing keys, nothing written, status 5|$changed|start_sim COM8; tavo_cli diff power_off.txt --port COM7 --port COM8|5|out_has 'auto_power_off: instrument on, file off' && out_matches '^COM7 +0 +same\$' && out_matches '^COM8 +5 +1 setting differs\$' && ! grep -q ' 02 51 ' $work/COM8.log"
  "diff on three ports, one different and one silent: no answer is worse than different|--ignore v|start_sim COM8; start_sim COM9 --reply Q1; tavo_cli diff power_off.txt --port COM7 --port COM8 --port COM9|1|out_matches '^COM8 +5 ' && out_matches '^COM7 +1 ' && out_matches '^COM9 +0 +same\$'"
  "read on the ports of a file into a file each by {port}; a ports file of one port||start_sim COM8 --reply Q1; tavo_cli read --ports one.ports -o 'one-{port}.txt' && tavo_cli read --ports ports.txt -o 'set-{port}.txt'|0|grep -qx 'auto_power_off = on' $work/set-COM7.txt && grep -qx 'auto_power_off = off' $work/set-COM8.txt && grep -qx 'auto_power_off = on' $work/one-COM7.txt && out_matches '/ports/COM8 +0 +settings in set-COM8.txt\$'"
  "monitor: the bands of the heat-stress index|$bands|tavo_cli monitor --port COM7 --interval 1 --count 7|0|[ \"\$(awk '{print \$3, \$NF}' $work/out | tr '\\n' ' ')\" = '31.0 危険 30.9 厳重警戒 28.0 厳重警戒 25.0 警戒 24.9 注意 21.0 注意 20.9 ほぼ安全 ' ]"
  "monitor: a value that is no number shown as -, no level, a failure; an answer between restarts the count in a row; the CSV cell empty|$no_number|rm -f $work/mon.csv; tavo_cli monitor --port COM7 --interval 1 --count 2 -o mon.csv|0|lines_of out 4 && out_matches '^[-0-9]{10} [:0-9]{8}  -  26.1  28.4  65.0  30.2  -\$' && grep -q ',,26.1,28.4,65.0,30.2,'\$'\\r' $work/mon.csv && ! grep -q '=' $work/mon.csv"
  "monitor -o appending to a CSV in code page 932: appended in it, with a note|--records 0|rm -f $work/mon.csv; tavo_cli monitor --port COM7 --interval 1 --count 1 -o mon.csv --encoding cp932 && tavo_cli monitor --port COM7 --interval 1 --count 1 -o mon.csv|0|err_has 'mon.csv is in code page 932' && [ \"\$(iconv -f CP932 -t UTF-8 $work/mon.csv | grep -c ',警戒'\$'\\r')\" = 2 ] && head -1 $work/mon.csv | grep -q '^time,'"
  "monitor on a terminal: the columns named first|--records 0|(cd $work && script -qec \"'$cli' monitor --port COM7 --interval 1 --count 1\" /dev/null)|0|head -1 $work/out | grep -q '^time                 in    out   Ta    RH    tg    level' && lines_of out 2"
  "monitor --json: an object per sample|--records 0|tavo_cli monitor --port COM7 --interval 1 --count 2 --json|0|lines_of out 2 && json_lines 'd[\"tavo_indoor\"] == 25.3 and d[\"level\"] == \"警戒\"'"
  "monitor -o - --encoding cp932: the CSV on standard output in code page 932|--records 0|tavo_cli monitor --port COM7 --interval 1 --count 1 -o - --encoding cp932|0|lines_of out 2 && head -1 $work/out | grep -q '^time,' && iconv -f CP932 -t UTF-8 $work/out | grep -q ',警戒'\$'\\r'"
  "monitor -o appending to its own CSV: no second byte order mark or header|--records 0|rm -f $work/mon.csv; tavo_cli monitor --port COM7 --interval 1 --count 1 -o mon.csv && tavo_cli monitor --port COM7 --interval 1 --count 1 -o mon.csv|0|monitor_csv 2"
  "monitor whose standard output is a pipe its reader has left: it ends, status 4, the reason|--records 0|monitor_into_closed_pipe|4|err_has 'cannot write standard output: Broken pipe'"
  "monitor: appending a sample fails (a file-size limit): status 4, the reason|--records 0|head -c 1020 /dev/zero > $work/mon.csv; (ulimit -f 1; trap '' XFSZ; tavo_cli monitor --port COM7 --interval 1 --count 3 -o mon.csv)|4|err_has 'cannot write mon.csv: File too large' && lines_of out 1"
  "monitor -o a file that cannot be written: status 4 at once|--records 0|tavo_cli monitor --port COM7 --interval 1 -o /dev/full|4|no_frames && err_has 'cannot write /dev/full: No space left on device'"
  "monitor: a port that vanishes is told once and opened again until it answers|--unplug D|vanishing_monitor|0|[ \"\$(grep -c 'is gone' $work/err)\" = 1 ] && err_has 'COM7 answers again' && lines_of out 3"
  "monitor --count 2: a port gone for good ends it, each period without it a failure, status 1|--unplug D|(cd $work && timeout 30 $cli monitor --port COM7 --interval 1 --count 2)|1|[ \"\$(grep -c 'is gone' $work/err)\" = 1 ] && out_is ''"
  "an identity cut after the model name, or with a byte beyond ASCII, is no answer: nothing compared, status 1|--reply vTAVO-420B|start_sim COM8 --byte v6=B5; tavo_cli diff other_forms.txt --port COM7; tavo_cli info --port COM8|1|[ \"\$(grep -c 'no answer from an instrument' $work/err)\" = 2 ] && ! out_has same"
  "read --json: a measurement that is no number named, not shown (null), status 1|$(measurement '+2?.3')|tavo_cli read --port COM7 --json|1|err_has \"tavo_indoor: the instrument's answer is no number: 2?.3\" && grep -q '\"tavo_indoor\":null,\"tavo_outdoor\":26.1' $work/out"
  "read --maker: a model code never read left out, not the one the model name preselects, status 1|--ignore M|tavo_cli read --maker --port COM7|1|out_matches '^model_code = \$' && out_matches '^humidity_limit = 90.0\$'"
  "info: an answer without a model name is a failure|--model ''|tavo_cli info --port COM7|1|err_has 'gave no model name' && out_is ''"
  "two ports, one missing and one silent: the worst status, not the last|--ignore v|tavo_cli info --port COM9 --port COM7|3|out_matches '^COM9 +3 ' && out_matches '^COM7 +1 '"
  "no answer|--ignore v|tavo_cli info --port COM7|1|err_has 'no answer from an instrument on COM7'"
  "a port that cannot be opened, named with the system's reason||tavo_cli read --port COM9|3|err_has 'COMポートオープンに失敗しました。' && err_has 'COM9: No such file or directory'"
  "a port held by another program|--records 0|exec 9<> $work/ports/COM7; flock -n 9; tavo_cli info --port COM7; held=\$?; exec 9<&-; (exit \$held)|3|err_has 'COM7: busy'"
  "a device that is no serial port||tavo_cli info --port /dev/null|3|err_has '/dev/null: not a serial port'"
  "line settings the port refuses||tavo_cli info --port COM7 --ini odd_speed.ini|3|no_frames && err_has 'COM7: the port refuses the line settings'"
  "--ini that does not exist, a device as INI file||tavo_cli info --port COM7 --ini nothing.ini; tavo_cli info --port COM7 --ini /dev/zero|2|no_frames && err_has 'nothing.ini: no such file' && err_has '/dev/zero: not a regular file'"
  "apply of a FIFO or a file over 1 MB: refused||tavo_cli apply settings.fifo --port COM7; tavo_cli apply big.txt --port COM7|2|no_frames && err_has 'settings.fifo: not a regular file' && err_has 'big.txt: larger than 1 MB'"
  "bad usage: an unknown option||tavo_cli download --port COM7 --fast -o x.csv|2|no_frames && err_has 'tavo-cli: unknown option --fast'"
  "bad usage: an unknown command, an unknown option before the command, a missing operand, --ports to a command of one port: each named||tavo_cli nosuch; tavo_cli --fast info --port COM7; tavo_cli diff --port COM7; tavo_cli monitor --ports one.ports|2|no_frames && err_has 'tavo-cli: unknown command nosuch' && err_has 'tavo-cli: unknown option --fast' && err_has 'tavo-cli: FILE is needed' && err_has 'tavo-cli: monitor serves one port: --ports is for info, read, apply, diff, clock and download'"
  "version --json; help --json refused, in JSON too||tavo_cli version --json && tavo_cli help --json|2|json_lines '\"version\" in d or d[\"failure\"] == \"usage\"' && err_has 'help has no JSON form'"
  "bad usage: download without -o||tavo_cli download --port COM7|2|no_frames"
  "bad usage: an interval beyond its range, a count beyond an int||tavo_cli monitor --port COM7 --interval 300000000; tavo_cli monitor --port COM7 --count 99999999999|2|no_frames && err_has '--interval: 300000000 is not in the range 1 to 86400' && err_has '--count'"
  "a settings file in UTF-16 (Notepad's Unicode)||tavo_cli apply utf16.txt --port COM7|2|no_frames && err_has 'utf16.txt: the file is UTF-16'"
  "--version and version||tavo_cli --version && tavo_cli version|0|[ \"\$(sort -u $work/out | wc -l)\" = 1 ] && out_matches '^tavo-cli [0-9]+\\.[0-9]+\$'"
  "TAVO_PORT, the global options before the command||TAVO_PORT=COM7 tavo_cli --json info|0|valid_json 'd[\"model\"] == \"TAVO-420BN\"'"
  "info --json: what the instrument sends, escaped|--model 'A\"B\\\\C'|tavo_cli info --port COM7 --json|0|valid_json 'd[\"model\"].startswith(\"A\\\"B\\\\\\\\C\")'"
  "--verbose: each frame on standard error with its time||tavo_cli info --port COM7 --verbose|0|grep -qE '^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\\.[0-9]{3} > <STX>#v<ETX>\$' $work/err && grep -qE '^[0-9:.]{12} < <STX>vTAVO-420B' $work/err"
  "apply --json --quiet: the groups as JSON, no notes|--reply M0|printf 'auto_power_off = off\\nhumidity_limit = 80.0\\n' > $work/two.txt; tavo_cli apply two.txt --port COM7 --json --quiet|0|err_empty && valid_json 'd[\"groups\"] == [{\"keys\": \"auto_power_off\", \"outcome\": \"written\"}]'"
  "download --json|--records 37|tavo_cli download --port COM7 -o memory.csv --json|0|valid_json 'd == {\"file\": \"memory.csv\", \"records\": 37, \"complete\": True}'"
  "--help of every command||all_helps|0|true"
  "diff --json over a ports file of one port: the array of the ports, as for two||tavo_cli diff power_off.txt --ports one.ports --json|5|valid_json '[(p[\"port\"], p[\"status\"], len(p[\"result\"][\"differences\"])) for p in d] == [(\"COM7\", 5, 1)]'"
  "diff --json on a port that does not exist: one object with the status, the kind and the system's reason||tavo_cli diff power_off.txt --port /dev/ttyD --json|3|valid_json 'd == {\"status\": 3, \"failure\": \"port\", \"reason\": \"/dev/ttyD: No such file or directory\"}'"
  "apply --json of a bad settings file on two ports: an array, each port with the status and the file's problem||start_sim COM8; tavo_cli apply 設定.txt --port COM7 --port COM8 --json|2|no_frames && valid_json '[(p[\"port\"], p[\"status\"], p[\"failure\"]) for p in d] == [(\"COM7\", 2, \"usage\"), (\"COM8\", 2, \"usage\")] and \"level2\" in d[0][\"reason\"]'"
  "bad usage with --json: the failure as JSON||tavo_cli --fast --json info --port COM7|2|no_frames && valid_json 'd == {\"status\": 2, \"failure\": \"usage\", \"reason\": \"unknown option --fast\"}'"
  "apply --verify --json whose read-back differs: the key, what was written and read back, status 1|--reply B032.06|tavo_cli apply buzzer.txt --port COM7 --verify --json|1|valid_json 'd[\"verify\"] == {\"outcome\": \"differs\", \"differences\": [{\"key\": \"buzzer\", \"written\": \"30.0\", \"read_back\": \"32.0\"}]} and d[\"status\"] == 1'"
  "monitor --json on a port that cannot be opened: the failure as its one line||tavo_cli monitor --port COM9 --json|3|lines_of out 1 && json_lines 'd[\"failure\"] == \"port\" and \"COM9\" in d[\"reason\"]'"
  "ports --probe --json with a bad INI file: still an array, its one object the failure||tavo_cli ports --probe --json --ini bad_values.ini|2|valid_json 'd[0][\"port\"] is None and d[0][\"failure\"] == \"usage\" and \"BaudRate\" in d[0][\"reason\"]'"
  "apply --json of settings left out: the keys and the reason||tavo_cli apply maker.txt --port COM7 --json|0|valid_json 'd[\"left_out\"] == [{\"keys\": [\"humidity_limit\", \"model_code\"], \"reason\": \"maker settings are written only with --maker\"}] and d[\"groups\"] == [{\"keys\": \"auto_power_off\", \"outcome\": \"written\"}]'"
  "the simulator's --help: its usage, status 0||$sim --help|0|out_has 'Usage: tavo_sim' && out_has '--reply LETTER+PAYLOAD'"
  "-o with a placeholder it does not know: refused before anything is sent||tavo_cli download --port COM7 -o 'x-{Date}.csv'|2|no_frames && err_has 'unknown placeholder {Date}'"
  "INI values that are no number or no code, in --ini and in TAVO.ini: the file, line and key, before anything is sent||tavo_cli info --port COM7 --ini bad_values.ini; (cd $work/bad_ini && $cli info --port COM7)|2|no_frames && err_has 'bad_values.ini:2: BaudRate: abc is no whole number' && err_has 'bad_values.ini:3: Parity: 7 is not a parity code' && err_has 'bad_values.ini:4: TimeOut: abc is no whole number' && err_has 'TAVO.ini:3: Parity'"
  "apply: list words in any case, as the window shows them|--reply K1 --reply Q1|tavo_cli apply any_case.txt --maker --force --port COM7 --dry-run|0|out_has 'alarm_mode: would be written' && out_has 'auto_power_off: would be written' && out_has '<STX>M*5*<ETX>'"
  "apply: full-width digits told as full-width||tavo_cli apply full_width.txt --port COM7|2|no_frames && err_has 'full_width.txt:1: buzzer: ３０.0 is written in full-width characters: write 30.0 instead' && err_has 'full_width.txt:2: iot_interval: １０ is written'"
)

failed=0
for row in "${cases[@]}"; do
  IFS='|' read -r name options command status check <<< "$row"
  [ -z "${CLI_ROWS:-}" ] || [[ $name =~ $CLI_ROWS ]] || continue
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

# The JSON outputs against their commands' schemas (help's refusal: a failure object).
python3 - "$schemas" "$json_outputs" <<'PY' || failed=1
import glob, json, os, sys
import jsonschema
schemas = {}
for path in glob.glob(os.path.join(sys.argv[1], '*.schema.json')):
    with open(path, encoding='utf-8') as f:
        schema = json.load(f)
    schemas[schema['$id']] = schema
schemas['urn:tavo-cli:help'] = {'$ref': 'urn:tavo-cli:common#/$defs/failure', 'required': ['status']}
try:
    import referencing, referencing.jsonschema
    registry = referencing.Registry().with_resources(
        (uri, referencing.jsonschema.DRAFT202012.create_resource(s))
        for uri, s in schemas.items())
    validator = lambda uri: jsonschema.Draft202012Validator(schemas[uri], registry=registry)
except ImportError:   # an older jsonschema: its own resolver
    validator = lambda uri: jsonschema.Draft202012Validator(
        schemas[uri], resolver=jsonschema.RefResolver.from_schema(schemas[uri], store=schemas))
problems, checked = [], 0
for path in sorted(glob.glob(os.path.join(sys.argv[2], '*.*'))):
    if path.endswith('.line'):
        continue
    command = os.path.basename(path).split('.')[0]
    line = open(path + '.line', encoding='utf-8').read().strip()
    text = open(path, encoding='utf-8').read()
    lines = text.split('\n')
    if lines[-1] != '' or (command != 'monitor' and len(lines) != 2):
        problems.append('%s: not one JSON document on one line: %r' % (line, text[:200]))
        continue
    for document in lines[:-1]:
        checked += 1
        try:
            errors = [e.message for e in validator('urn:tavo-cli:' + command).iter_errors(json.loads(document))]
        except ValueError as e:
            errors = ['no JSON: %s' % e]
        problems += ['%s: %s: %s' % (line, document[:200], error) for error in errors]
print('\n'.join(problems) if problems else 'ok    %d JSON outputs match their schemas' % checked)
sys.exit(1 if problems else 0)
PY
exit $failed
