#!/usr/bin/env bash
# Prints how long a program takes from exec to the map of its first window,
# seen by another client on a fresh Xvfb, over several runs, and the median.
# Run by hand for the release note, e.g. right after `dpkg -i`:
#   bash packaging/measure-start.sh 7 /usr/bin/veskaro
# Needs xvfb and python3; reads the X events through libX11 with ctypes.
set -euo pipefail
runs=${1:-5}
program=${2:-/usr/bin/veskaro}
tmp=$(mktemp -d)
xvfb=
cleanup() {
  set +e
  if [ -n "$xvfb" ]; then kill "$xvfb"; fi
  wait
  rm -rf "$tmp"
} 2>/dev/null
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 300); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$tmp/display")

python3 - "$runs" "$program" <<'PY'
import ctypes, os, select, signal, statistics, sys, time

runs, program = int(sys.argv[1]), sys.argv[2]
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XPending.argtypes = [ctypes.c_void_p]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x.XConnectionNumber.argtypes = [ctypes.c_void_p]
MAP_NOTIFY, SUBSTRUCTURE_NOTIFY_MASK = 19, 1 << 19

display = x.XOpenDisplay(None)
x.XSelectInput(display, x.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
x.XSync(display, 0)
event = ctypes.create_string_buffer(192)  # sizeof(XEvent)
fd = x.XConnectionNumber(display)


def first_map(deadline):
    while time.monotonic() < deadline:
        while x.XPending(display):
            x.XNextEvent(display, event)
            if ctypes.c_int.from_buffer(event).value == MAP_NOTIFY:
                return time.monotonic_ns()
        select.select([fd], [], [], 0.1)
    raise SystemExit("no window was mapped within 30 s")


times = []
for _ in range(runs):
    start = time.monotonic_ns()
    pid = os.posix_spawn(program, [program], os.environ)
    times.append((first_map(time.monotonic() + 30) - start) / 1e6)
    os.kill(pid, signal.SIGTERM)
    os.waitpid(pid, 0)
    x.XSync(display, 1)  # drop the events of this run
print("exec to first map, ms:", " ".join(f"{t:.1f}" for t in times))
print(f"median {statistics.median(times):.1f} ms over {runs} runs")
PY
