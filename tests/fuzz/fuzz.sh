#!/bin/sh
# Runs one fuzz target: first on its seeds (the regression corpus and the shipped files), then
# for SECONDS of fuzzing (0: the seeds alone). New inputs that reach new code are kept in
# WORKDIR/corpus; a finding is written to WORKDIR as crash-*, leak-*, timeout-* or oom-* and
# the run fails. After the fix, copy it into tests/fuzz/corpus/TARGET/ to keep it there.
#
#   tests/fuzz/fuzz.sh FUZZ_BINARY SECONDS WORKDIR REGRESSION_CORPUS [SEED_FILE...]
#
# ZEPO_FUZZ_SECONDS in the environment overrides SECONDS: from a fuzzing build,
#   ZEPO_FUZZ_SECONDS=3600 ctest -L fuzz -j 2 --output-on-failure
# fuzzes every target for an hour, two at a time.
set -e
# The targets work in the game's data folder: every path handed to them is absolute.
binary=$1 seconds=${ZEPO_FUZZ_SECONDS:-$2} workdir=$(mkdir -p "$3/corpus" && cd "$3" && pwd) regressions=$4
shift 4
for seed in "$@"; do cp "$seed" "$workdir/corpus/$(basename "$(dirname "$seed")")_$(basename "$seed")"; done
if [ -d "$regressions" ]; then cp "$regressions"/* "$workdir/corpus/" 2>/dev/null || true; fi
if [ "$seconds" -eq 0 ]; then
  exec "$binary" -runs=0 -timeout=10 -artifact_prefix="$workdir/" "$workdir/corpus"
fi
exec "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$workdir/" "$workdir/corpus"
