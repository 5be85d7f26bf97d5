#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the presets, runs the
# native tests, the Windows tests under Wine (on a virtual X server when there
# is no display), the native tests again under AddressSanitizer (with
# UndefinedBehaviorSanitizer) and under ThreadSanitizer, and a short run of
# every fuzz target with its kept regression cases. Most of the tests' time is
# waiting on the simulator's paced line and on Wine, so each set of tests runs
# beside the next build, and the packages that only the later builds need are
# installed beside the native build; their output is in build/test-logs/ and
# shown when they end. The builds run at the lowest priority and through the
# compiler cache. Prints how long each part took.
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
stop_beside() {   # ends the background parts, but lets an install finish: a stopped dpkg leaves a broken system
  local i
  for i in "${!pending[@]}"; do
    if [ "${pending[i]}" = installs ]; then
      echo "scripts/test.sh: waiting for the installs to end ($logs/installs.log)" >&2
      wait "${pids[i]}" || true
    else
      kill -- -"${pids[i]}" 2>/dev/null || true
    fi
  done
}
# A failed run, too, shows how long its parts took.
trap 'status=$?; stop_beside; [ $status = 0 ] || [ ${#times[@]} = 0 ] || printf "  %s\n" "${times[@]}"' EXIT
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
running() {   # running NAME: whether the background part NAME goes on
  local name
  for name in "${pending[@]}"; do [ "$name" != "$1" ] || [ -f "$logs/$1.status" ] || return 0; done
  return 1
}
await() {   # await NAME: waits for the background part NAME, then as ended
  local i
  for i in "${!pending[@]}"; do
    [ "${pending[i]}" != "$1" ] || wait "${pids[i]}" || true
  done
  ended
}
# Builds at the lowest priority, so that tests beside them keep their pace.
build() { nice -n 19 cmake --preset "$1" > /dev/null && nice -n 19 cmake --build --preset "$1"; }
windows_tests() {
  if [ -n "${DISPLAY:-}" ]; then
    ctest --preset win32
  else
    xvfb-run -a -s '-screen 0 1024x768x24' ctest --preset win32
  fi
}
export -f windows_tests

part "installs (native)" scripts/install-deps.sh --native
if [ $quick = 1 ]; then
  part "native build" build native
  part "native tests" ctest --preset native "${filter[@]}"
  report
  exit 0
fi

# Downloading and unpacking the rest (Wine, MinGW, clang) goes on beside the compiler.
beside installs scripts/install-deps.sh
part "native build" build native
beside "native tests" ctest --preset native
asan() {
  part "native-asan build" build native-asan
  beside "native-asan tests" ctest --preset native-asan
}
# While the installs go on (a fresh machine), the native-asan build, which needs none of them.
if running installs; then asan; asan_done=1; fi
await installs
part "win32 build" build win32
ended wait
# The tests mostly wait on Wine and the paced line: they run beside the next
# builds, which, at the lowest priority, do not slow them.
beside "Windows tests (Wine)" windows_tests
[ -n "${asan_done:-}" ] || asan
part "native-tsan build" build native-tsan
ended
beside "native-tsan tests" ctest --preset native-tsan
part "fuzz build" build fuzz
ended wait
# Each fuzz target is one process on one core: two at a time.
part "fuzz runs" ctest --preset fuzz --parallel 2
report
