#!/usr/bin/env bash
# One fuzz target: its kept regression cases once each, then a short run from its seeds.
#   run_fuzz.sh TARGET SECONDS SEED_DIR REGRESSION_DIR WORK_DIR [LIBFUZZER_OPTION...]
set -euo pipefail
target=$1 seconds=$2 seeds=$3 regressions=$4 work=$5
shift 5
mkdir -p "$work/corpus" "$work/artifacts"
if compgen -G "$regressions/*" >/dev/null; then
  "$target" -runs=1 "$regressions"/*
fi
mkdir -p "$seeds"
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$@" \
  -artifact_prefix="$work/artifacts/" "$work/corpus" "$seeds"
