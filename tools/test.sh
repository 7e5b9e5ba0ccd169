#!/usr/bin/env bash
# Builds both programs and runs every test: unit tests, the Linux program
# under Xvfb and the Windows program under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh

# shellcheck disable=SC2086
veskaro_require $VESKARO_BUILD_PACKAGES $VESKARO_RUN_PACKAGES $VESKARO_TEST_PACKAGES

for preset in linux win32; do
  if grep -q "\"name\": \"$preset\"" CMakePresets.json; then
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset" -j 2
  fi
done
