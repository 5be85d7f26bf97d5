#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both presets, runs the
# native tests, then the Windows tests under Wine (on a virtual X server when
# there is no display); then the native tests again under AddressSanitizer
# (with UndefinedBehaviorSanitizer) and under ThreadSanitizer, and a short run
# of every fuzz target with its kept regression cases. Prints how long each
# part took.
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
build() { cmake --preset "$1" > /dev/null && cmake --build --preset "$1"; }

part installs scripts/install-deps.sh
part "native build" build native
part "native tests" ctest --preset native "${filter[@]}"
if [ $quick = 1 ]; then
  report
  exit 0
fi

part "win32 build" build win32
if [ -n "${DISPLAY:-}" ]; then
  part "Windows tests (Wine)" ctest --preset win32
else
  part "Windows tests (Wine)" xvfb-run -a -s '-screen 0 1024x768x24' ctest --preset win32
fi

for preset in native-asan native-tsan; do
  part "$preset build" build "$preset"
  part "$preset tests" ctest --preset "$preset"
done

# Each fuzz target is one process on one core: two at a time.
part "fuzz build" build fuzz
part "fuzz runs" ctest --preset fuzz --parallel 2
report
