#!/usr/bin/env bash
# The emulator through which ctest runs the win32 build's console test
# programs under Wine; their output and exit code are their own. With
# --prepare it only makes the prefix.
set -euo pipefail
. "$(dirname "$(readlink -f "$0")")/wine-env.sh"
# Console programs need no display.
unset DISPLAY
veskaro_wine_use_prefix unit
veskaro_wine_ensure_prefix
veskaro_wine_warm_up
[ "${1:-}" = --prepare ] && exit 0
exec "$VESKARO_WINE" "$@"
