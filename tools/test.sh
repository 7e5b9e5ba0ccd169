#!/usr/bin/env bash
# Builds both programs and runs every test: unit and model tests, the Linux
# program under Xvfb (plain and under the sanitizers), the Windows program
# under Wine, the packages, and a minute of fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh

# shellcheck disable=SC2086
veskaro_require $VESKARO_BUILD_PACKAGES $VESKARO_RUN_PACKAGES $VESKARO_TEST_PACKAGES

for preset in linux win32 asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j 2
done
bash tools/screenshots.sh --check
bash tests/fuzz/run.sh 60
