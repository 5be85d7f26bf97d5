#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both presets, runs the
# native tests, then the Windows tests under Wine (on a virtual X server when
# there is no display); then the native tests again under AddressSanitizer
# (with UndefinedBehaviorSanitizer) and under ThreadSanitizer, and a short run
# of every fuzz target with its kept regression cases.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset win32
cmake --build --preset win32
if [ -n "${DISPLAY:-}" ]; then
  ctest --preset win32
else
  xvfb-run -a -s '-screen 0 1024x768x24' ctest --preset win32
fi

for preset in native-asan native-tsan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# Each fuzz target is one process on one core: two at a time.
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz --parallel 2

echo "scripts/test.sh: every test passed in $((SECONDS / 60)) min $((SECONDS % 60)) s"
