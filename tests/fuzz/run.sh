#!/usr/bin/env bash
# Builds the fuzz preset and fuzzes for N seconds (default 60), starting from the
# committed corpus, then prints the executions reached. New inputs go to a
# scratch folder; a failing input is kept as build/fuzz/crash-* (replay it with
# build/fuzz/tests/fuzz/veskaro_fuzz FILE).
# Needs clang-14 and libclang-rt-14-dev.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp tests/fuzz/corpus/* "$work"/
log=build/fuzz/fuzz.log
status=0
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  build/fuzz/tests/fuzz/veskaro_fuzz -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=build/fuzz/ "$work" >"$log" 2>&1 || status=$?
tail -n 25 "$log"
execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
echo "fuzz: ${execs:-?} executions in ${seconds} s, $(ls "$work" | wc -l) inputs in the corpus, exit ${status}"
exit "$status"
