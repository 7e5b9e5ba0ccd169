#!/usr/bin/env bash
# Starts (start) or ends (stop) the session that the end-to-end tests share:
# a fresh Wine prefix with a 1024 x 768 virtual desktop on its own Xvfb.
# Its settings go to <state>/session.env for the tests to read.
#   e2e-session.sh start <state> <veskaro_probe.exe> | stop <state>
set -euo pipefail
. "$(dirname "$(readlink -f "$0")")/wine-env.sh"
action=$1 state=$2 probe=${3:-}

start() {
  rm -rf "$state"
  mkdir -p "$state"
  veskaro_wine_use_prefix e2e "$state"
  veskaro_wine_make_prefix >"$state/prefix.log" 2>&1
  # -displayfd: the server picks a free display, so parallel runs never meet.
  # -noreset: with Wine's desktop gone between two programs the server would
  # otherwise reset, and refuse the clients that come in the meantime.
  setsid Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp \
    3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$state/display" ] && break
    sleep 0.1
  done
  [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$state/display")"
  # The server stays up until stop.
  veskaro_wine_warm_up -p
  # And the desktop with it: the probe holds a hidden window on it.
  setsid "$VESKARO_WINE" "$probe" hold </dev/null >"$state/hold.log" 2>&1 &
  printf 'DISPLAY=%s\nWINEPREFIX=%s\n' "$DISPLAY" "$WINEPREFIX" >"$state/session.env"
}

stop() {
  [ -f "$state/session.env" ] || exit 0
  WINEPREFIX=$(sed -n 's/^WINEPREFIX=//p' "$state/session.env")
  export WINEPREFIX
  "$VESKARO_WINESERVER" -k 2>/dev/null || true
  [ -f "$state/xvfb.pid" ] && kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$WINEPREFIX.lock" "$WINEPREFIX.log"
}

"$action"
