#!/usr/bin/env bash
# The packaged program as a user starts it: /usr/bin/veskaro from the unpacked
# package on its own X server, its window found by its title, closed with a
# real Esc key press (XTest), exit code 0.
set -euo pipefail
root=$2
exe=$root/usr/bin/veskaro
title="Veskaro 动画录制"
tmp=$(mktemp -d)
xvfb=
program=
cleanup() {
  set +e
  if [ -n "$program" ]; then kill "$program"; fi
  if [ -n "$xvfb" ]; then kill "$xvfb"; fi
  wait
  rm -rf "$tmp"
} 2>/dev/null
trap cleanup EXIT

# Polls a command every 0.1 s; the limit only stops a hang.
poll() {
  local tries=$(( $1 * 10 )); shift
  until "$@"; do
    tries=$(( tries - 1 ))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}
dead() { ! kill -0 "$1" 2>/dev/null; }

# -displayfd picks a free display, so tests can run side by side.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
poll 30 test -s "$tmp/display" || { echo "start: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$tmp/display")

"$exe" >"$tmp/out" 2>&1 &
program=$!
find_window() {
  window=$(xdotool search --onlyvisible --name '^Veskaro ' 2>/dev/null | head -n 1)
  [ -n "$window" ] || { dead "$program" && return 0; return 1; }
}
window=
poll 60 find_window || true
if [ -z "$window" ]; then
  echo "start: no window appeared; the program said:" >&2
  cat "$tmp/out" >&2
  exit 1
fi
name=$(LC_ALL=C.UTF-8 xprop -id "$window" -notype _NET_WM_NAME)
if [ "$name" != "_NET_WM_NAME = \"$title\"" ]; then
  echo "start: the window is titled $name" >&2
  exit 1
fi

# With no window manager the keyboard goes to the window under the pointer.
xdotool mousemove --window "$window" 250 10
xdotool key Escape
if ! poll 30 dead "$program"; then
  echo "start: still running 30 s after Esc" >&2
  exit 1
fi
code=0
wait "$program" || code=$?
program=
if [ "$code" -ne 0 ]; then
  echo "start: exit code $code after Esc; the program said:" >&2
  cat "$tmp/out" >&2
  exit 1
fi
