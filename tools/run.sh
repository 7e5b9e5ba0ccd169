#!/usr/bin/env bash
# Builds the Linux program and starts it on the current X display.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh

# shellcheck disable=SC2086
veskaro_require $VESKARO_BUILD_PACKAGES $VESKARO_RUN_PACKAGES
if [ -z "${DISPLAY:-}" ]; then
  echo "tools/run.sh: no X display: DISPLAY is not set (start it from a desktop session)" >&2
  exit 1
fi
cmake --preset linux >/dev/null
cmake --build --preset linux --target veskaro
exec build/linux/veskaro
