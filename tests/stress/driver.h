#pragma once

// What the stress tests do to a program's window where no Session holds it:
// a second program beside the first, a program inside valgrind, a server
// that is killed under the program.

#include <sys/types.h>

#include <chrono>
#include <vector>

#include "tests/e2e/harness/image.h"
#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/input.h"
#include "tests/e2e/harness/wait.h"
#include "tests/e2e/harness/x_display.h"

namespace veskaro::e2e::stress {

// A viewable main window of the program, not one of `known`, once its canvas
// shows all white; throws if none comes within the limit.
Window WaitForMainWindow(const XDisplay& x, const std::vector<Window>& known = {},
                         std::chrono::milliseconds limit = kPatience);

// The window's canvas on the screen; throws if the window is gone.
Rect CanvasOnScreen(const XDisplay& x, Window main);
Image CaptureCanvas(const XDisplay& x, Window main);

// Press at the first point, one move to each further point, each drawn
// before the next is sent, release at the last: one recorded piece per move
// and one for the release. Canvas coordinates.
void Stroke(const XDisplay& x, Input& input, Window main, const Path& path);
// A click at a point of the client area.
void ClickAt(const XDisplay& x, Input& input, Window main, Point client);

// What a window manager's close box sends: WM_DELETE_WINDOW.
void RequestClose(const XDisplay& x, Window main);

// The process behind the window, from the _NET_WM_PID it sets.
pid_t ProgramPid(const XDisplay& x, Window main);
// A field of /proc/<pid>/status ("VmRSS", "VmHWM") in bytes; -1 if absent.
long long StatusBytes(pid_t pid, const char* field);

// Kills the one X server that the test has started, at once, as a crash
// would. Every connection of the test to it must be closed first: Xlib ends
// a process whose server is lost.
void KillXServer();

// Points of a zigzag that runs in rows, left to right and back, each point a
// pixel that the pieces before it left white; `count` of them, above the
// fence strip.
Path Zigzag(int count);

}  // namespace veskaro::e2e::stress
