#!/usr/bin/env bash
# The real program's figures on this machine, printed as one table with each
# figure beside its floor or goal: start-up against a minimal Xlib program,
# input absorption against a client that only reads the moves, playback
# pacing against a client that draws on its own 15 ms clock, memory at idle and after 10^6 recorded segments, the recorder alone
# (the Google Benchmark of bench/), and, if build/win32/veskaro.exe exists,
# start-up and pacing of the Windows program under Wine. Medians of several
# runs (VESKARO_BENCH_RUNS, default 5), since the machine is shared. Prints
# figures; never fails on one.
#   bash bench/program/run.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
. tools/packages.sh
# shellcheck disable=SC2086
veskaro_require $VESKARO_BUILD_PACKAGES $VESKARO_RUN_PACKAGES xvfb libxdamage-dev

build=build/bench-program
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVESKARO_BUILD_TESTS=OFF -DVESKARO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target veskaro veskaro_program_bench veskaro_floor_start \
  veskaro_floor_input veskaro_floor_pacing veskaro_recorder_bench >/dev/null
bench=$build/bench/program/veskaro_program_bench

tmp=$(mktemp -d)
servers=()
cleanup() {
  set +e
  [ -n "${WINEPREFIX:-}" ] && "$VESKARO_WINESERVER" -k && rm -rf "$WINEPREFIX"
  for pid in "${servers[@]}"; do kill "$pid"; done
  wait
  rm -rf "$tmp"
} 2>/dev/null
trap cleanup EXIT

# A fresh Xvfb of its own for each platform; sets DISPLAY.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display.$1" \
    </dev/null >/dev/null 2>&1 &
  servers+=($!)
  for _ in $(seq 100); do [ -s "$tmp/display.$1" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$tmp/display.$1")"
}

# The recorder's figures from its Google Benchmark, as rows of the table:
# the median CPU time of each case over five repetitions.
recorder_rows() {
  "$build/bench/veskaro_recorder_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, '
      $1 ~ /_median"$/ {
        name = $1; gsub(/"|_median|\/iterations:[0-9]+/, "", name)
        unit = $5; gsub(/"/, "", unit)
        goal = (name ~ /^(RecordedMove|PlaybackTick)$/) ? "< 1 us CPU" : "-"
        met = (goal == "-" || (unit == "ns" && $4 < 1000)) ? "yes" : "NO"
        printf "| %-46s | %-14s | %-14s | %-7s | %-24s | %-3s |\n",
          "recorder: " name, sprintf("%.1f %s", $4, unit), "-", "-", goal, met
      }'
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
"$bench" header
start_xvfb linux
floors=$build/bench/program
"$bench" linux "$build/veskaro" "$floors/veskaro_floor_start" \
  "$floors/veskaro_floor_input" "$floors/veskaro_floor_pacing"
recorder_rows

if [ -f build/win32/veskaro.exe ] && [ -x /usr/lib/wine/wine64 ] &&
  command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  floor=$build/veskaro_floor_start.exe
  x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static -municode -mwindows \
    bench/program/floor_start_win32.cpp -o "$floor"
  . tests/win32/wine-env.sh
  veskaro_wine_use_prefix bench "$tmp"
  veskaro_wine_make_prefix >"$tmp/prefix.log" 2>&1
  # A server left from making the prefix has a desktop on no display, where
  # the program's window would never show: start afresh on the new Xvfb.
  "$VESKARO_WINESERVER" -k || true
  start_xvfb wine
  veskaro_wine_start_server
  "$bench" wine "$VESKARO_WINE" build/win32/veskaro.exe "$floor"
fi
echo
echo "Medians of ${VESKARO_BENCH_RUNS:-5} runs (pacing: of half as many; its shortest and"
echo "longest gaps are those of all its runs). Pacing is seen from a second X client"
echo "through the DAMAGE extension, in the X server's own milliseconds: when the server"
echo "drew each replayed piece. The goals hold for an idle machine; load average"
echo "before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)."
