#!/usr/bin/env bash
# TAVO.exe starts under Wine, its main window appears with its Japanese title,
# a screenshot is taken, and the program ends cleanly when the window is closed.
# With logging switched on in SETTING.ini, the start leaves a log and an error file.
# The window has two tabs, or four with vorinfo.ini, and shows each of them in turn.
#   smoke.sh TAVO.exe SCREENSHOT_DIR window_tool.exe
set -euo pipefail
exe=$1
shots=$2
tool=$3
here=$(cd "$(dirname "$0")" && pwd)
run="$here/../../cmake/wine-run.sh"
title='TAVO-400シリーズ設定ツール　（Ver 1.10）'
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"
fi

stamp='[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]{3}'
check_log() {   # check_log DIR LETTER WORD: one file of that kind, number 000, two records
  local files=("$1/$2"[0-9][0-9][0-9][0-9]000.txt) content
  [ ${#files[@]} -eq 1 ] && [ -f "${files[0]}" ] || { echo "FAIL: no $2 file in $1"; return 1; }
  content=$(cat "${files[0]}"; echo x)
  local re="^0000000000 0000 $stamp TAVO Ver\.1\.1\.0 $3 pfile"$'\r\n'"0000000000 0001 $stamp Process Start"$'\r\n''x$'
  [[ $content =~ $re ]] || { echo "FAIL: ${files[0]} holds: $content"; return 1; }
}

check_tabs() {   # check_tabs NAME "COUNT SELECTED": the tab control's tab count and selected tab
  local got
  got=$("$run" "$tool" tabs "$title" | tr -d '\r') || { echo "FAIL $1: no tab control"; return 1; }
  [ "$got" = "$2" ] || { echo "FAIL $1: tabs \"$got\", expected \"$2\""; return 1; }
}

check() {   # check NAME [vorinfo|logging]: start, find the window, screenshot, close
  local name=$1 dir="$work/$1"
  mkdir -p "$dir"
  [ "${2:-}" = vorinfo ] && : > "$dir/vorinfo.ini"
  if [ "${2:-}" = logging ]; then   # a log directory below an existing one
    mkdir "$dir/logs"
    printf '[TAVO]\r\nLogPath=logs\\run\r\n[LogOut]\r\nLogOutSwitch=1\r\n' > "$dir/SETTING.ini"
  fi
  (cd "$dir" && "$run" "$exe") &
  local pid=$! found=
  for _ in $(seq 1 120); do
    if xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\""; then found=1; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
  done
  if [ -z "$found" ]; then
    echo "FAIL $name: no window titled $title"; kill "$pid" 2>/dev/null || true; return 1
  fi
  sleep 2
  import -window root "$shots/main-$name.png"
  local tabs=2
  [ "${2:-}" = vorinfo ] && tabs=4
  check_tabs "$name" "$tabs 0" || { kill "$pid"; return 1; }
  if [ "${2:-}" = vorinfo ]; then   # every tab, one after the other
    for tab in 2 3 4; do
      "$run" "$tool" nexttab "$title"
      sleep 1
      check_tabs "$name" "4 $((tab - 1))" || { kill "$pid"; return 1; }
      import -window root "$shots/tab$tab-$name.png"
    done
  fi
  "$run" "$tool" close "$title"
  for _ in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL $name: still running after close"; kill "$pid"; return 1
  fi
  wait "$pid" || { echo "FAIL $name: exit code $?"; return 1; }
  if [ "${2:-}" = logging ]; then
    check_log "$dir/logs/run" L log && check_log "$dir/logs/run" E error || return 1
  fi
  echo "ok $name: window shown, screenshot $shots/main-$name.png, closed cleanly"
}

check user logging
check maker vorinfo
echo "2 passed, 0 failed"
