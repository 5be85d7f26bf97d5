#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the presets, runs the
# native tests, the Windows tests under Wine (on a virtual X server when there
# is no display), the native tests again under AddressSanitizer (with
# UndefinedBehaviorSanitizer) and under ThreadSanitizer, and a short run of
# every fuzz target with its kept regression cases. Most of the native tests'
# time is waiting on the simulator's paced line, so each set of native tests
# runs beside the next build, its output in build/test-logs/ and shown when it
# ends. Prints how long each part took.
#   scripts/test.sh                   every test
#   scripts/test.sh --quick [NAME...] the native build and its tests only, or
#                                     only those whose CTest names match a NAME
#                                     (a regular expression: BulkRead, cli_tests)
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
if [ "${1:-}" = --quick ]; then
  quick=1
  shift
fi
[ $# -eq 0 ] || [ $quick = 1 ] || { echo "usage: scripts/test.sh [--quick [NAME...]]" >&2; exit 2; }
filter=()
if [ $# -gt 0 ]; then filter=(-R "$(IFS='|'; echo "$*")"); fi

times=()
part() {   # part NAME COMMAND...: runs COMMAND, notes how long it took
  local name=$1 start=$SECONDS
  shift
  "$@"
  times+=("$(printf '%-28s %4d s' "$name" $((SECONDS - start)))")
}
report() {
  printf '  %s\n' "${times[@]}"
  echo "scripts/test.sh: every test passed in $((SECONDS / 60)) min $((SECONDS % 60)) s"
}
logs=build/test-logs
pending=() pids=()
beside() {   # beside NAME COMMAND...: runs COMMAND in the background, its output in $logs/NAME.log
  local name=$1
  shift
  mkdir -p "$logs"
  rm -f "$logs/$name.status"
  # In a process group of its own, which ends with this script.
  setsid bash -c 'start=$(date +%s) status=0; "${@:3}" > "$1" 2>&1 || status=$?
                  echo "$status $(($(date +%s) - start))" > "$2"' _ "$logs/$name.log" "$logs/$name.status" "$@" &
  pending+=("$name") pids+=($!)
}
stop_beside() { for pid in "${pids[@]}"; do kill -- -"$pid" 2>/dev/null || true; done; }
trap stop_beside EXIT
trap 'exit 130' INT TERM
ended() {   # ended [wait]: shows the output of the background parts that ended (with wait: of all of
            # them); exits when one of them failed
  local i name status seconds left=() left_pids=() failed=0
  [ "${1:-}" != wait ] || wait
  for i in "${!pending[@]}"; do
    name=${pending[i]}
    if [ ! -f "$logs/$name.status" ]; then left+=("$name") left_pids+=("${pids[i]}"); continue; fi
    read -r status seconds < "$logs/$name.status"
    echo "--- $name ($logs/$name.log)"
    cat "$logs/$name.log"
    times+=("$(printf '%-28s %4d s, beside a build' "$name" "$seconds")")
    [ "$status" = 0 ] || { echo "scripts/test.sh: $name failed" >&2; failed=1; }
  done
  pending=("${left[@]}") pids=("${left_pids[@]}")
  [ $failed = 0 ] || exit 1
}
build() { cmake --preset "$1" > /dev/null && cmake --build --preset "$1"; }

part installs scripts/install-deps.sh
part "native build" build native
if [ $quick = 1 ]; then
  part "native tests" ctest --preset native "${filter[@]}"
  report
  exit 0
fi

beside "native tests" ctest --preset native
part "win32 build" build win32
ended
# Not beside a build: the scenarios wait 300 ms for each answer, and TAVO.exe
# under Wine beside a compiler on a busy machine sometimes takes longer.
if [ -n "${DISPLAY:-}" ]; then
  part "Windows tests (Wine)" ctest --preset win32
else
  part "Windows tests (Wine)" xvfb-run -a -s '-screen 0 1024x768x24' ctest --preset win32
fi
part "native-asan build" build native-asan
beside "native-asan tests" ctest --preset native-asan
part "native-tsan build" build native-tsan
ended
beside "native-tsan tests" ctest --preset native-tsan
part "fuzz build" build fuzz
ended wait
# Each fuzz target is one process on one core: two at a time.
part "fuzz runs" ctest --preset fuzz --parallel 2
report
