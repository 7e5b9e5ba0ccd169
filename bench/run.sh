#!/usr/bin/env bash
# The recorder alone: builds a Release tree in build/bench, runs the Google
# Benchmark five times (medians, since the machine is shared) and prints the
# memory figures of a recording of 10^6 segments. Prints figures; never fails on
# a time.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVESKARO_BUILD_TESTS=OFF -DVESKARO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench --target veskaro_recorder_bench veskaro_memory_figures

build/bench/bench/veskaro_recorder_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=console
echo
build/bench/bench/veskaro_memory_figures
echo
echo "goals: a recorded move and a playback tick under 1000 ns of CPU each;"
echo "       at most 24 B per segment at 10^6 segments"
