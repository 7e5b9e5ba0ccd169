#!/usr/bin/env bash
# Makes the README's pictures from the real programs: the Linux program under
# Xvfb with openbox, the Windows program under Wine, and an animated GIF of a
# drawing being replayed. Input is real (XTest through xdotool); the pictures
# are read back from the X server. Run by hand and commit docs/images/.
#   bash tools/screenshots.sh            writes docs/images/
#   bash tools/screenshots.sh --check    writes into a temporary folder and
#                                        checks what it made (CI)
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh

tmp=$(mktemp -d)
out=docs/images
if [ "${1:-}" = --check ]; then
  out=$tmp/images
elif [ $# -gt 0 ]; then
  echo "usage: bash tools/screenshots.sh [--check]" >&2
  exit 2
fi
mkdir -p "$out"

pids=()
stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" || true; done 2>/dev/null
  wait 2>/dev/null || true
  pids=()
}
cleanup() {
  set +e
  if [ -n "${WINEPREFIX:-}" ]; then
    # The server's folder is named after the prefix's device and inode.
    local server folder
    server=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
    "$wineserver" -k
    for folder in /tmp/.wine-"$(id -u)"/"$server" /tmp/wine-*/"$server"; do
      [ -e "$folder" ] || continue
      rm -rf "$folder"
      rmdir "${folder%/*}"
    done
  fi
  stop_all
  rm -rf "$tmp"
} 2>/dev/null
trap cleanup EXIT

# The declared window: 502 × 441 outside, centred on the 1024 × 768 screen;
# the canvas is 448 × 336 and "play" is centred 268, 364 from its corner.
screen_w=1024 screen_h=768
outer_w=502 outer_h=441
outer_x=$(( (screen_w - outer_w) / 2 )) outer_y=$(( (screen_h - outer_h) / 2 ))
play_dx=268 play_dy=364
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver

# shellcheck disable=SC2086
veskaro_require $VESKARO_BUILD_PACKAGES $VESKARO_RUN_PACKAGES xvfb openbox x11-utils \
  xdotool imagemagick python3 wine64 g++-mingw-w64-x86-64-posix

build() {
  local preset=$1 target=$2
  grep -q "\"name\": \"$preset\"" CMakePresets.json || return 1
  cmake --preset "$preset" >"$tmp/$preset-configure.log" &&
    cmake --build --preset "$preset" --target veskaro >"$tmp/$preset-build.log" ||
    { cat "$tmp/$preset-configure.log" "$tmp/$preset-build.log" >&2; return 1; }
  [ -x "$target" ]
}

# Polls a command every 0.1 s; the limit only stops a hang.
poll() {
  local tries=$(( $1 * 10 )); shift
  until "$@"; do
    tries=$(( tries - 1 ))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

start_x() {
  rm -f "$tmp/display"
  Xvfb -displayfd 3 -screen 0 ${screen_w}x${screen_h}x24 -nolisten tcp \
    3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
  pids+=($!)
  poll 30 test -s "$tmp/display" || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(cat "$tmp/display")
}

# The screen's rectangle $1 (WxH+X+Y) into the image file $2.
grab() { import -window root -crop "$1" +repage -strip -depth 8 "$2"; }

# Prints "x y" of the canvas's top-left corner on the screen: where a white
# 448 × 336 rectangle with no white just outside it lies inside the outer
# rectangle (a window not painted yet is white all over).
find_canvas() {
  grab ${outer_w}x${outer_h}+${outer_x}+${outer_y} ppm:- | python3 -c '
import sys
data = sys.stdin.buffer.read()
parts = data.split(maxsplit=4)
w, h, pixels = int(parts[1]), int(parts[2]), parts[4]
WHITE = b"\xff\xff\xff"
pixel = lambda x, y: pixels[3 * (y * w + x):3 * (y * w + x) + 3]
row = lambda x, y: pixels[3 * (y * w + x):3 * (y * w + x + 448)] == WHITE * 448
edge = lambda x, y: all(pixel(x, y + dy) == WHITE for dy in range(336))
for y in range(1, h - 336):
    for x in range(1, w - 448):
        if row(x, y) and row(x, y + 335) and edge(x, y) and edge(x + 447, y) \
                and pixel(x, y - 1) != WHITE and pixel(x, y + 336) != WHITE \
                and pixel(x - 1, y) != WHITE and pixel(x + 448, y) != WHITE:
            print(x + int(sys.argv[1]), y + int(sys.argv[2]))
            sys.exit(0)
sys.exit(1)
' "$outer_x" "$outer_y"
}

# Sets canvas to where the canvas of program $1 ($2, logging to $3) appears.
wait_for_canvas() {
  local tries=1200
  local seen=
  # The same place twice in a row: the window has settled.
  until canvas=$(find_canvas) && [ "$canvas" = "$seen" ]; do
    seen=$canvas
    if ! kill -0 "$1" 2>/dev/null || [ $(( tries -= 1 )) -le 0 ]; then
      echo "screenshots: no window from $2; it said:" >&2
      cat "$3" >&2
      exit 1
    fi
    sleep 0.1
  done
}

# One xdotool run that draws a spiral and a wave on the canvas at $1 $2, with
# a pause after every move so that each move reaches the program on its own.
draw() {
  # shellcheck disable=SC2046
  xdotool $(python3 -c '
import math, sys
cx, cy = int(sys.argv[1]), int(sys.argv[2])
def stroke(points):
    (x0, y0), rest = points[0], points[1:]
    out = [f"mousemove {cx + x0} {cy + y0}", "sleep 0.05", "mousedown 1"]
    for x, y in rest:
        out += [f"mousemove {cx + x} {cy + y}", "sleep 0.02"]
    return out + ["mouseup 1", "sleep 0.05"]
turns, n = 3, 160
spiral = [(round(224 + r * math.cos(a)), round(150 + r * math.sin(a)))
          for i in range(n)
          for r, a in [(8 + 117 * i / (n - 1), 2 * math.pi * turns * i / (n - 1))]]
wave = [(40 + 4 * i, round(305 + 12 * math.sin(i / 6))) for i in range(93)]
print(" ".join(stroke(spiral) + stroke(wave)))
' "$1" "$2")
}

# Films the rectangle $1 (W H X Y): the finished drawing for a second, then a
# click on "play" at $2 $3 (XTest) and the replay, grabbed in-process as fast
# as the server gives pictures, until it has stood still for a second. The
# GIF $4 keeps the real time between the pictures.
film_replay() {
  local frames=$tmp/frames
  mkdir -p "$frames"
  python3 - "$frames" "$1" "$2" "$3" <<'PY'
import ctypes, sys, time
from ctypes import c_char_p, c_int, c_uint, c_ulong, c_void_p
folder, (w, h, x, y), (px, py) = sys.argv[1], map(int, sys.argv[2].split()), map(int, sys.argv[3:5])
xlib, xtst = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
xlib.XOpenDisplay.restype, xlib.XOpenDisplay.argtypes = c_void_p, [c_char_p]
xlib.XDefaultRootWindow.restype, xlib.XDefaultRootWindow.argtypes = c_ulong, [c_void_p]
xlib.XGetImage.restype = c_void_p
xlib.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
xlib.XFlush.argtypes = [c_void_p]
xtst.XTestFakeMotionEvent.argtypes = [c_void_p, c_int, c_int, c_int, c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [c_void_p, c_uint, c_int, c_ulong]
display = xlib.XOpenDisplay(None)
root = xlib.XDefaultRootWindow(display)
destroy_type = ctypes.CFUNCTYPE(c_int, c_void_p)

def picture():
    # XImage: data at 16, bytes_per_line at 44, f.destroy_image at 96 (x86-64).
    image = xlib.XGetImage(display, root, x, y, w, h, ~0 & (2**64 - 1), 2)
    stride = c_int.from_address(image + 44).value
    data = ctypes.string_at(c_void_p.from_address(image + 16).value, stride * h)
    destroy_type(c_void_p.from_address(image + 96).value)(image)
    assert stride == 4 * w, "not a 32-bit picture"
    return data

times, last = [], None
def keep(data, when):
    global last
    open(f"{folder}/{len(times)}.bgra", "wb").write(data)
    times.append(when)
    last = data

keep(picture(), time.monotonic())
time.sleep(1)
xtst.XTestFakeMotionEvent(display, -1, px, py, 0)
xtst.XTestFakeButtonEvent(display, 1, 1, 0)
xtst.XTestFakeButtonEvent(display, 1, 0, 0)
xlib.XFlush(display)
changed = start = time.monotonic()
while True:
    now = time.monotonic()
    if now - changed > 1 or now - start > 60:
        break
    data = picture()
    if data != last:
        keep(data, now)
        changed = now
    time.sleep(0.02)  # browsers show GIF delays under 20 ms as 100 ms
open(f"{folder}/times", "w").write("\n".join(map(str, times)))
PY
  python3 - "$frames" "$1" "$4" <<'PY'
import subprocess, sys
folder, (w, h, _, _), gif = sys.argv[1], sys.argv[2].split(), sys.argv[3]
times = [float(t) for t in open(f"{folder}/times")]
# Hundredths of a second, rounded on the running total so that no drift adds up.
ticks = [round((t - times[0]) * 100) for t in times] + [None]
args = ["convert", "-size", f"{w}x{h}", "-depth", "8"]
for i in range(len(times)):
    delay = ticks[i + 1] - ticks[i] if ticks[i + 1] is not None else 250
    args += ["-delay", str(max(delay, 2)), f"bgra:{folder}/{i}.bgra"]
args += ["-alpha", "off", "+dither", "-layers", "Optimize", "-loop", "0", gif]
subprocess.run(args, check=True)
PY
}

# Draws on the canvas found at $1 $2, takes the pointer off it and grabs the
# rectangle $3 (W H X Y) into $4.
draw_and_grab() {
  local w h x y
  read -r w h x y <<<"$3"
  draw "$1" "$2"
  xdotool mousemove $(( $1 + 460 )) $(( $2 + 200 )) sleep 0.3
  grab "${w}x${h}+${x}+${y}" "$4"
}

# The outer rectangle (W H X Y) of the managed window $1, frame included.
outer_rectangle() {
  local x y w h left right top bottom
  eval "$(xwininfo -id "$1" | awk -F': *' '
    /Absolute upper-left X/ {print "x=" $2} /Absolute upper-left Y/ {print "y=" $2}
    /Width/ {print "w=" $2} /Height/ {print "h=" $2}')"
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo "$(( w + left + right )) $(( h + top + bottom )) $(( x - left )) $(( y - top ))"
}

# Ends the program $1 with Esc and expects exit code 0.
close() {
  xdotool key Escape
  wait "$1" || { echo "screenshots: $2 did not end with exit code 0" >&2; exit 1; }
}

linux() {
  local exe=build/linux/veskaro window outer x y
  build linux "$exe" || { echo "screenshots: no Linux program" >&2; exit 1; }
  start_x
  # A window manager, for the frame and the title bar a user sees.
  openbox >"$tmp/openbox.log" 2>&1 &
  pids+=($!)
  poll 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
  "$exe" >"$tmp/linux.log" 2>&1 &
  local program=$!
  pids+=("$program")
  wait_for_canvas "$program" "the Linux program" "$tmp/linux.log"
  window=$(xdotool search --onlyvisible --name '^Veskaro ' | head -n 1)
  outer=$(outer_rectangle "$window")
  read -r x y <<<"$canvas"
  draw_and_grab "$x" "$y" "$outer" "$out/linux.png"
  linux_canvas="$(( x - $(cut -d' ' -f3 <<<"$outer") )) $(( y - $(cut -d' ' -f4 <<<"$outer") ))"
  film_replay "$outer" $(( x + play_dx )) $(( y + play_dy )) "$out/replay.gif"
  close "$program" "the Linux program"
}

# A fresh Wine prefix (rebuilding one is faster than keeping it) with a
# 1024 × 768 virtual desktop: without one, and with no window manager, the
# window has no frame and never sees Esc. Debian's Wine 8 does not find its
# own fonts, and the title needs a CJK font behind Tahoma.
wine_prefix() {
  export WINEPREFIX=$tmp/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # REGEDIT4 multi-strings are ANSI bytes, each string and the list ending in NUL.
  local link
  link=$(printf 'wqy-microhei.ttc,WenQuanYi Micro Hei\0\0' | od -An -tx1 -v |
    tr -s ' \n' ',' | sed 's/^,//; s/,$//')
  cat >"$tmp/wine.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="${screen_w}x${screen_h}"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]
"Tahoma"=hex(7):$link
"Tahoma Bold"=hex(7):$link
EOF
  (
    unset DISPLAY  # the first boot needs none
    "$wine" wineboot --init
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    "$wine" reg import "$tmp/wine.reg"
  ) </dev/null >"$tmp/wine-setup.log" 2>&1
  # What started without a display must be gone before the program starts,
  # or its window finds no display driver.
  "$wineserver" -w
}

windows() {
  local exe=build/win32/veskaro.exe x y
  build win32 "$exe" || { echo "screenshots: no Windows program" >&2; exit 1; }
  start_x
  wine_prefix
  "$wine" "$exe" </dev/null >"$tmp/windows.log" 2>&1 &
  local program=$!
  pids+=("$program")
  wait_for_canvas "$program" "the Windows program" "$tmp/windows.log"
  read -r x y <<<"$canvas"
  draw_and_grab "$x" "$y" "$outer_w $outer_h $outer_x $outer_y" "$out/windows.png"
  windows_canvas="$(( x - outer_x )) $(( y - outer_y ))"
  close "$program" "the Windows program"
}

# What --check holds the pictures to: the window's size, ink on its canvas,
# and a GIF that moves.
verify() {
  local name size dx dy ink frames status=0
  for name in linux windows; do
    size=$(identify -format '%wx%h' "$out/$name.png")
    [ "$size" = "${outer_w}x${outer_h}" ] || { echo "$name.png is $size" >&2; status=1; }
    read -r dx dy <<<"$(eval echo "\$${name}_canvas")"
    ink=$(convert "$out/$name.png" -crop 448x336+$dx+$dy -threshold 50% -negate \
      -format '%[fx:mean > 0.02]' info:)
    [ "$ink" = 1 ] || { echo "$name.png shows no drawing on its canvas" >&2; status=1; }
  done
  frames=$(identify "$out/replay.gif" | wc -l)
  [ "$frames" -ge 10 ] || { echo "replay.gif has $frames frames" >&2; status=1; }
  return $status
}

linux
stop_all
windows
verify
ls -l "$out"
