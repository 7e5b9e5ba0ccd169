"""End-to-end tests of the real veskaro.exe under Wine: a 1024 x 768 virtual
desktop on Xvfb, input from xdotool, results read back from the screen's
pixels and from the process's exit code. The probe program lends the window
system's view where pixels cannot tell (texts, the focused control).

usage: e2e_test.py <session folder> <case> <veskaro.exe> <veskaro-faults.exe> <probe.exe>
"""

import ctypes
import json
import os
import subprocess
import sys
import time

SCREEN = (1024, 768)
TITLE = "Veskaro 动画录制"
OUTER = (261, 163, 763, 604)  # left, top, right, bottom on a 1024 x 768 screen
# Declared places in the client area: left, top, width, height.
CANVAS = (24, 24, 448, 336)
CLEAR = (128, 368, 72, 40)
PLAY = (256, 368, 72, 40)
CLOCK = (400, 368, 26, 26)
WHITE, BLACK = (255, 255, 255), (0, 0, 0)
FATAL_CAPTION = "错误"
HAND = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../resources/hand-32.png")
TIMEOUT = 30  # seconds; only ever ends a wait that would hang


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=TIMEOUT, interval=0.05):
    """Polls `probe` until it returns something true, and returns that."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(interval)


class Shot:
    """One screenshot of the whole screen."""

    def __init__(self, data):
        self.data = data

    def pixel(self, x, y):
        i = (y * SCREEN[0] + x) * 3
        return tuple(self.data[i:i + 3])

    def area(self, left, top, width, height):
        """The pixels of a rectangle, row by row, as one bytes object."""
        rows = []
        for y in range(top, top + height):
            i = (y * SCREEN[0] + left) * 3
            rows.append(self.data[i:i + width * 3])
        return b"".join(rows)


class Picture:
    """The canvas's 448 x 336 pixels."""

    def __init__(self, data):
        self.data = data

    def __eq__(self, other):
        return self.data == other.data

    def pixel(self, x, y):
        i = (y * CANVAS[2] + x) * 3
        return tuple(self.data[i:i + 3])

    def black(self, area=(0, 0, CANVAS[2], CANVAS[3])):
        left, top, width, height = area
        return sum(1 for y in range(top, top + height) for x in range(left, left + width)
                   if self.pixel(x, y) == BLACK)

    def white(self):
        return self.data == bytes([255]) * len(self.data)

    def part(self, area):
        left, top, width, height = area
        return [self.pixel(x, y) for y in range(top, top + height)
                for x in range(left, left + width)]


class Session:
    def __init__(self, folder, exe, faults, probe):
        self.exe, self.faults, self.probe_exe = exe, faults, probe
        self.log = os.path.join(folder, "logs")
        os.makedirs(self.log, exist_ok=True)
        self.env = dict(os.environ)
        with open(os.path.join(folder, "session.env")) as f:
            for line in f:
                key, _, value = line.strip().partition("=")
                self.env[key] = value
        self.env.update(WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        for name in ("VESKARO_FAIL_ALLOCATION", "VESKARO_FAIL_WINDOW"):
            self.env.pop(name, None)

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                              env=self.env, check=True, capture_output=True).stdout
        check(len(data) == SCREEN[0] * SCREEN[1] * 3, "screenshot of the wrong size")
        return Shot(data)

    def windows(self):
        """The desktop's visible, titled top-level windows, as the probe sees them."""
        # A file, not a pipe: a Wine service started by this process would
        # hold a pipe open for good.
        path = os.path.join(self.log, "probe.json")
        with open(path, "wb") as out:
            try:
                subprocess.run(["/usr/lib/wine/wine64", self.probe_exe], env=self.env,
                               stdin=subprocess.DEVNULL, stdout=out,
                               stderr=subprocess.DEVNULL, timeout=TIMEOUT, check=True)
            except (subprocess.TimeoutExpired, subprocess.CalledProcessError) as e:
                raise Failure(f"the probe failed: {e}")
        with open(path, encoding="utf-8") as f:
            return json.load(f)

    def window(self, title):
        return next((w for w in self.windows() if w["title"] == title), None)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def pointer(self):
        """The X server's pointer image: hot spot and one of ' ', '#' or
        '.' (clear, opaque black, other opaque) for each pixel."""
        return pointer_image(self.env["DISPLAY"])


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def classify(alpha, rgb):
    return " " if alpha == 0 else "#" if rgb == 0 else "."


def pointer_image(display):
    x11 = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    d = x11.XOpenDisplay(display.encode())
    check(d, f"cannot open display {display}")
    try:
        found = xfixes.XFixesGetCursorImage(d)
        image = found.contents
        # Each pixel is ARGB in the low 32 bits of an unsigned long.
        rows = tuple("".join(classify(image.pixels[y * image.width + x] >> 24 & 255,
                                      image.pixels[y * image.width + x] & 0xFFFFFF)
                             for x in range(image.width)) for y in range(image.height))
        hot = (image.xhot, image.yhot)
        x11.XFree(found)
        return hot, rows
    finally:
        x11.XCloseDisplay(d)


def hand_image():
    """The program's pointer as drawn in resources/hand-32.png."""
    data = subprocess.run(["convert", HAND, "-depth", "8", "rgba:-"], check=True,
                          capture_output=True).stdout
    return tuple("".join(classify(data[(y * 32 + x) * 4 + 3],
                                  int.from_bytes(data[(y * 32 + x) * 4:(y * 32 + x) * 4 + 3],
                                                 "big"))
                         for x in range(32)) for y in range(32))


class Program:
    """One run of a Windows program in the session."""

    def __init__(self, session, exe, **faults):
        self.session = session
        env = dict(session.env, **{k: str(v) for k, v in faults.items()})
        name = os.path.basename(exe)
        # Every Wine process's output goes to a file: Wine's services inherit it.
        self.output = open(os.path.join(session.log, f"{name}.log"), "ab")
        self.process = subprocess.Popen(["/usr/lib/wine/wine64", exe], env=env,
                                        stdin=subprocess.DEVNULL, stdout=self.output,
                                        stderr=subprocess.STDOUT)

    def exit_code(self, timeout=TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end")

    def running(self):
        return self.process.poll() is None

    def end(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self.output.close()


class Window:
    """The running program's main window, found on the screen."""

    def __init__(self, session):
        self.session = session
        # Active, with the focus handed on: keys from now on reach it.
        seen = []

        def ready():
            seen[:] = [session.window(TITLE)]
            w = seen[0]
            return w if w and w["active"] and w["focus"] else None

        try:
            self.info = wait_for("the main window, active with a focused control", ready)
        except Failure as failure:
            raise Failure(f"{failure}; last seen: {seen}")
        self.client = tuple(self.info["client"])
        # Shown means painted: the canvas white where it is declared.
        wait_for("the white canvas", lambda: self.picture().white())

    def at(self, x, y, area=(0, 0)):
        """Screen position of (x, y) in `area` of the client area."""
        return self.client[0] + area[0] + x, self.client[1] + area[1] + y

    def picture(self, shot=None):
        # Once the program has gone, the screen there shows something else.
        check(self.session.program.running(), "the program has ended")
        shot = shot or self.session.screenshot()
        x, y = self.at(0, 0, CANVAS)
        return Picture(shot.area(x, y, CANVAS[2], CANVAS[3]))

    def stroke(self, points, pause=0.01):
        """Presses the left button at the first point, moves through the rest
        and releases there; the points are canvas pixels."""
        args = ["mousemove", *self.at(*points[0], CANVAS), "mousedown", 1]
        for p in points[1:]:
            args += ["sleep", pause, "mousemove", *self.at(*p, CANVAS)]
        self.session.xdotool(*args, "mouseup", 1)

    def click(self, control):
        x, y = self.at(control[2] // 2, control[3] // 2, control)
        self.session.xdotool("mousemove", x, y, "click", 1)

    def key(self, *keys):
        self.session.xdotool("key", *keys)

    def focus(self):
        info = self.session.window(TITLE)
        return info and info["focus"] and info["focus"]["text"]

    def wait_drawn(self, area, what):
        return wait_for(what, lambda: (lambda p: p if p.black(area) else None)(self.picture()))


def line(a, b, steps):
    return [(a[0] + (b[0] - a[0]) * i // steps, a[1] + (b[1] - a[1]) * i // steps)
            for i in range(steps + 1)]


def zigzag(left, top, width, height, teeth):
    """A long stroke of many short pieces inside a rectangle."""
    points = []
    for t in range(teeth):
        x = left + width * t // teeth
        points += line((x, top), (x + width // (2 * teeth), top + height), 6)[:-1]
        points += line((x + width // (2 * teeth), top + height),
                       (x + width // teeth, top), 6)[:-1]
    return points


def box(points, margin=4):
    """The canvas area that a stroke through `points` may paint."""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    left, top = max(min(xs) - margin, 0), max(min(ys) - margin, 0)
    return (left, top, min(max(xs) + margin, CANVAS[2] - 1) - left + 1,
            min(max(ys) + margin, CANVAS[3] - 1) - top + 1)


# Strokes in separate parts of the canvas.
S = line((30, 40), (150, 90), 12)
T = line((300, 40), (420, 90), 12)
U = line((60, 280), (380, 300), 16)


def case_geometry(session, window):
    check(tuple(window.info["outer"]) == OUTER,
          f"outer rectangle {window.info['outer']}, expected {OUTER}")
    shot = session.screenshot()
    desktop = shot.pixel(0, 0)
    left, top, right, bottom = OUTER
    for y in (top + 40, (top + bottom) // 2, bottom - 10):
        check(shot.pixel(left - 1, y) == desktop and shot.pixel(left, y) != desktop,
              f"left edge of the frame is not at x {left} (y {y})")
        check(shot.pixel(right - 1, y) != desktop and shot.pixel(right, y) == desktop,
              f"right edge of the frame is not at x {right - 1} (y {y})")
    for x in (left + 40, (left + right) // 2, right - 40):
        check(shot.pixel(x, top - 1) == desktop and shot.pixel(x, top) != desktop,
              f"top edge of the frame is not at y {top} (x {x})")
        check(shot.pixel(x, bottom - 1) != desktop and shot.pixel(x, bottom) == desktop,
              f"bottom edge of the frame is not at y {bottom - 1} (x {x})")
    # The canvas: white exactly at (24, 24) of the client area, 448 x 336.
    check(window.picture(shot).white(), "the canvas is not white at (24, 24)")
    x0, y0 = window.at(0, 0, CANVAS)
    x1, y1 = window.at(CANVAS[2] - 1, CANVAS[3] - 1, CANVAS)
    for x, y in ((x0 - 1, y0), (x0, y0 - 1), (x1 + 1, y1), (x1, y1 + 1)):
        check(shot.pixel(x, y) != WHITE, f"the canvas reaches past its edge at {x},{y}")
    face = shot.pixel(*window.at(4, 4))
    clock = shot.area(*window.at(0, 0, CLOCK), CLOCK[2], CLOCK[3])
    check(clock == bytes(face) * (CLOCK[2] * CLOCK[3]),
          "the timer's square does not show the window's background")
    children = {c["text"]: c["rect"] for c in window.info["children"] if c["visible"]}
    for caption, (x, y, w, h) in (("clear", CLEAR), ("play", PLAY)):
        want = [*window.at(x, y), *window.at(x + w, y + h)]
        check(children.get(caption) == want,
              f"button {caption} at {children.get(caption)}, expected {want}")
    window.key("Escape")


def case_focus_at_start(session, window):
    check(window.focus() == "clear", f"focus at start on {window.focus()!r}")
    window.stroke(S)
    before = window.wait_drawn(box(S), "stroke S")
    # Enter clicks nothing and moves no focus; T shows that it has been handled.
    window.key("Return")
    window.stroke(T)
    after = window.wait_drawn(box(T), "stroke T after Enter")
    check(after.part(box(S)) == before.part(box(S)), "Enter changed the canvas")
    # Space clicks "clear".
    window.key("space")
    window.stroke(U)
    picture = window.wait_drawn(box(U), "stroke U after Space")
    check(picture.black(box(S)) == 0 and picture.black(box(T)) == 0,
          "Space did not clear the canvas")
    window.key("Escape")


def replayed(window, drawn):
    """Waits until the canvas has been wiped and drawn again to `drawn`;
    returns how many part-way pictures were seen."""
    total = drawn.black()
    partial = 0

    def progress():
        nonlocal partial
        p = window.picture()
        partial += 0 < p.black() < total
        return p != drawn or None

    wait_for("the replay to start", progress, interval=0)
    wait_for("the replay to end", lambda: progress() is None, interval=0)
    return partial


def case_tab_and_space(session, window):
    window.stroke(S)
    drawn = window.wait_drawn(box(S), "stroke S")
    window.key("Tab")
    wait_for("focus on play after Tab", lambda: window.focus() == "play")
    window.key("space")
    replayed(window, drawn)
    window.key("shift+Tab")
    wait_for("focus on clear after Shift+Tab", lambda: window.focus() == "clear")
    window.key("space")
    wait_for("the canvas cleared by Space", lambda: window.picture().white())
    # Two Tabs go round the cycle of two back to "clear".
    window.stroke(T)
    window.wait_drawn(box(T), "stroke T")
    window.key("Tab", "Tab", "space")
    wait_for("the canvas cleared after two Tabs", lambda: window.picture().white())
    window.key("Escape")


LONG = zigzag(20, 20, 400, 280, 10)  # 120 pieces, 1.8 s of replay


def case_replay(session, window):
    window.stroke(LONG)
    drawn = wait_for("the long stroke",
                     lambda: (lambda p: p if p.pixel(*LONG[-1]) == BLACK else None)(
                         window.picture()))
    for run in (1, 2):
        window.click(PLAY)
        partial = replayed(window, drawn)
        check(partial > 0, f"replay {run} showed no picture between empty and whole")
    # The timer has stopped with the replay: a slow stroke now is drawn whole,
    # where a tick would have ended it.
    window.click(CLEAR)
    wait_for("the canvas cleared", lambda: window.picture().white())
    window.stroke(U, pause=0.03)
    wait_for("the whole stroke U", lambda: window.picture().pixel(*U[-1]) == BLACK)
    window.key("Escape")


def case_clear_during_playback(session, window):
    window.stroke(LONG)
    drawn = wait_for("the long stroke",
                     lambda: (lambda p: p if p.pixel(*LONG[-1]) == BLACK else None)(
                         window.picture()))
    window.click(PLAY)
    total = drawn.black()
    wait_for("part of the replay", lambda: 0 < window.picture().black() < total,
             interval=0)
    window.click(CLEAR)
    wait_for("the canvas cleared", lambda: window.picture().white())
    # Back in Ready: a new stroke draws, and nothing of the old one comes back.
    stroke = line((10, 320), (430, 330), 12)
    window.stroke(stroke)
    picture = window.wait_drawn(box(stroke), "a stroke after clear")
    check(picture.black() == picture.black(box(stroke)),
          "the replay went on after clear")
    window.key("Escape")


def case_double_click(session, window):
    # The second press of a double click starts no stroke: the drag after it
    # draws nothing.
    p, q = (60, 60), (300, 60)
    args = ["mousemove", *window.at(*p, CANVAS), "click", 1, "mousedown", 1]
    for x, y in line(p, q, 12)[1:]:
        args += ["sleep", 0.01, "mousemove", *window.at(x, y, CANVAS)]
    session.xdotool(*args, "mouseup", 1)
    window.stroke(U)
    picture = window.wait_drawn(box(U), "stroke U after the double click")
    drag = (p[0] + 8, p[1] - 6, q[0] - p[0], 13)
    check(picture.black(drag) == 0, "the drag after a double click drew a line")
    window.key("Escape")


def case_close_by_escape(session, window):
    window.key("shift+Escape")
    window.stroke(U)
    window.wait_drawn(box(U), "stroke U after Shift+Esc")
    window.key("Escape")


def case_close_by_alt_f4(session, window):
    # In the middle of a stroke, the button still held.
    session.xdotool("mousemove", *window.at(*S[0], CANVAS), "mousedown", 1, "mousemove",
                    *window.at(*S[-1], CANVAS))
    window.wait_drawn(box(S), "the stroke in progress")
    window.key("alt+F4")
    session.program.exit_code()
    session.xdotool("mouseup", 1)


def case_close_by_close_box(session, window):
    # During a replay.
    window.stroke(LONG)
    wait_for("the long stroke", lambda: window.picture().pixel(*LONG[-1]) == BLACK)
    window.click(PLAY)
    wait_for("part of the replay", lambda: not window.picture().pixel(*LONG[-1]) == BLACK)
    close = window.info["buttons"]["close"]
    check(close is not None, "no close box found on the caption")
    session.xdotool("mousemove", *close, "click", 1)


def case_pointer(session, window):
    hand = ((6, 1), hand_image())
    places = [("the canvas", window.at(200, 150, CANVAS), True),
              ("the canvas's top-left pixel", window.at(0, 0, CANVAS), True),
              ("the canvas's bottom-right pixel", window.at(447, 335, CANVAS), True),
              ("the clear button", window.at(36, 20, CLEAR), False),
              ("the play button", window.at(36, 20, PLAY), False),
              ("the window beside the canvas", window.at(10, 200), False),
              ("the timer's square", window.at(13, 13, CLOCK), False)]
    for name, (x, y), over_canvas in places:
        session.xdotool("mousemove", x, y)
        if over_canvas:
            wait_for(f"the hand over {name}", lambda: session.pointer() == hand)
        else:
            wait_for(f"the arrow over {name}", lambda: session.pointer()[0] != (6, 1))
    window.key("Escape")


def case_covered_and_uncovered(session, window):
    # A second copy opens on top of the first, exactly over it, while the
    # first replays after a click on "play"; when the second has gone the
    # first shows the whole drawing and gives the focus back to "play".
    window.stroke(LONG)
    drawn = wait_for("the long stroke",
                     lambda: (lambda p: p if p.pixel(*LONG[-1]) == BLACK else None)(
                         window.picture()))
    window.click(PLAY)
    wait_for("part of the replay", lambda: 0 < window.picture().black() < drawn.black(),
             interval=0)
    second = Program(session, session.exe)
    try:
        wait_for("the second window", lambda: len(
            [w for w in session.windows() if w["title"] == TITLE]) == 2)
        wait_for("the second, white canvas on top", lambda: window.picture().white())
        wait_for("the second window active", lambda: any(
            w["active"] for w in session.windows()[:1] if w["title"] == TITLE))
        window.key("Escape")
        code = second.exit_code()
        check(code == 0, f"the second copy ended with {code}")
    finally:
        second.end()
    wait_for("the whole drawing back", lambda: window.picture() == drawn)
    wait_for("the focus back on play", lambda: window.focus() == "play")
    window.key("space")
    replayed(window, drawn)
    window.key("Escape")


def case_minimised_and_restored(session, window):
    # Minimised during a replay and restored: the canvas shows the whole
    # drawing, from its picture, including what was drawn while minimised.
    window.stroke(LONG)
    drawn = wait_for("the long stroke",
                     lambda: (lambda p: p if p.pixel(*LONG[-1]) == BLACK else None)(
                         window.picture()))
    window.click(PLAY)
    wait_for("part of the replay", lambda: 0 < window.picture().black() < drawn.black(),
             interval=0)
    session.xdotool("mousemove", *window.info["buttons"]["minimize"], "click", 1)
    icon = wait_for("the window minimised",
                    lambda: (lambda w: w if w and w["minimised"] else None)(
                        session.window(TITLE)))
    # Minimised, the minimise box turns into the restore box.
    restore = icon["buttons"]["minimize"]
    check(restore is not None, "the minimised window has no restore box")
    session.xdotool("mousemove", *restore, "click", 1)
    wait_for("the window restored",
             lambda: (lambda w: w and not w["minimised"])(session.window(TITLE)))
    restored = session.window(TITLE)
    check(tuple(restored["outer"]) == OUTER, f"restored at {restored['outer']}")
    wait_for("the whole drawing back", lambda: window.picture() == drawn)
    window.key("Escape")


def fatal_box(session):
    return wait_for("the fatal box", lambda: session.window(FATAL_CAPTION))


def fatal_text(message):
    return "运行时出错!\r\n\r\n" + (f"错误信息：{message}\r\n" if message else "")


def check_fatal_box(session, found, message):
    texts = [c["text"] for c in found["children"] if c["class"].lower() == "static"]
    check(fatal_text(message) in texts, f"the box says {texts!r}, expected {message!r}")
    buttons = [c["text"] for c in found["children"] if c["class"].lower() == "button"]
    check(len(buttons) == 1, f"the box has the buttons {buttons!r}, expected one")
    check(found["active"], "the box is not the active window")


def check_fatal_start(session, program, message):
    check_fatal_box(session, fatal_box(session), message)
    check(session.window(TITLE) is None, "the main window is visible")
    session.xdotool("key", "Return")
    code = program.exit_code()
    check(code == 255, f"exit code {code} after the fatal box, expected 255 (-1)")


def case_fatal_window(session, _):
    check_fatal_start(session, session.program, "载入启动窗口失败")


def case_fatal_allocation_at_start(session, _):
    # The first request is the pen position's 8 bytes.
    check_fatal_start(session, session.program, "分配 8 字节内存失败!")


def case_fatal_allocation_while_drawing(session, window):
    # The third request is the first growth of the recording, from 64
    # segments to 96 of 16 bytes; it comes with the 65th piece.
    message = f"分配 {96 * 16} 字节内存失败!"
    points = zigzag(20, 20, 400, 120, 4) + zigzag(20, 160, 400, 120, 4)
    session.xdotool("mousemove", *window.at(*points[0], CANVAS), "mousedown", 1)
    for start in range(1, len(points), 16):
        args = []
        for p in points[start:start + 16]:
            args += ["sleep", 0.01, "mousemove", *window.at(*p, CANVAS)]
        session.xdotool(*args)
        if session.window(FATAL_CAPTION):
            break
    found = fatal_box(session)
    check_fatal_box(session, found, message)
    check(session.window(TITLE) is not None, "the main window went away under the box")
    # The stroke is still in progress, but while the box is up nothing reaches
    # the recorder: moves and the release draw nothing (checked on the part
    # of the canvas that the box leaves free).
    free_height = min(found["outer"][1] - window.at(0, 0, CANVAS)[1], CANVAS[3])
    check(free_height > 20, "the box covers the top of the canvas")
    free = (0, 0, CANVAS[2], free_height)
    before = window.picture()
    args = []
    for p in line((10, 8), (430, 12), 10):
        args += ["sleep", 0.01, "mousemove", *window.at(*p, CANVAS)]
    session.xdotool(*args, "mouseup", 1)
    for _ in range(10):
        check(window.picture().part(free) == before.part(free), "the pointer drew under the box")
    session.xdotool("key", "Return")


# case: (program, faults, whether the main window comes up, expected code
# when the case leaves the program to end by itself)
CASES = {
    "geometry": ("exe", {}, True, 0),
    "focus_at_start": ("exe", {}, True, 0),
    "tab_and_space": ("exe", {}, True, 0),
    "replay": ("exe", {}, True, 0),
    "clear_during_playback": ("exe", {}, True, 0),
    "double_click": ("exe", {}, True, 0),
    "pointer": ("exe", {}, True, 0),
    "covered_and_uncovered": ("exe", {}, True, 0),
    "minimised_and_restored": ("exe", {}, True, 0),
    "close_by_escape": ("exe", {}, True, 0),
    "close_by_alt_f4": ("exe", {}, True, 0),
    "close_by_close_box": ("exe", {}, True, 0),
    "fatal_window": ("faults", {"VESKARO_FAIL_WINDOW": 1}, False, 255),
    "fatal_allocation_at_start": ("faults", {"VESKARO_FAIL_ALLOCATION": 1}, False, 255),
    "fatal_allocation_while_drawing": ("faults", {"VESKARO_FAIL_ALLOCATION": 3}, True, 255),
}


def main(folder, case, exe, faults, probe):
    session = Session(folder, exe, faults, probe)
    which, fault_env, windowed, code = CASES[case]
    if session.windows():
        print(f"{case}: the desktop is not empty before the test", file=sys.stderr)
        return 1
    session.program = Program(session, exe if which == "exe" else faults, **fault_env)
    try:
        window = Window(session) if windowed else None
        globals()["case_" + case](session, window)
        ended = session.program.exit_code()
        check(ended == code, f"exit code {ended}, expected {code}")
    except Failure as failure:
        print(f"{case}: {failure}", file=sys.stderr)
        return 1
    finally:
        session.program.end()
        session.xdotool("mouseup", 1)
    print(f"{case}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:6]))
