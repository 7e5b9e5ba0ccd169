#include "tests/stress/driver.h"

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/windows.h"

namespace veskaro::e2e::stress {

namespace {

bool Black(const XDisplay& x, Window main, Point canvas) {
  const Rect c = CanvasOnScreen(x, main);
  return Capture(x, {c.x + canvas.x, c.y + canvas.y, 1, 1}).At({0, 0}) == kBlack;
}

void MoveOnCanvas(const XDisplay& x, Input& input, Window main, Point p) {
  const Rect c = CanvasOnScreen(x, main);
  input.MoveTo({c.x + p.x, c.y + p.y});
}

bool Known(const std::vector<Window>& known, Window w) {
  for (const Window k : known) {
    if (k == w) return true;
  }
  return false;
}

}  // namespace

Window WaitForMainWindow(const XDisplay& x, const std::vector<Window>& known,
                         std::chrono::milliseconds limit) {
  Window found = None;
  const bool shown = WaitUntil(
      [&] {
        for (const Window w : FindWindowsByTitle(x, layout::kTitle)) {
          if (Known(known, w) || !IsShown(x, w)) continue;
          if (CaptureCanvas(x, w).All(kWhite)) found = w;
        }
        return found != None;
      },
      limit);
  if (!shown) throw std::runtime_error("no new main window with a white canvas appeared");
  return found;
}

Rect CanvasOnScreen(const XDisplay& x, Window main) {
  const std::optional<Rect> client = RootRect(x, main);
  if (!client) throw std::runtime_error("the main window is gone");
  return layout::kCanvas.Moved({client->x, client->y});
}

Image CaptureCanvas(const XDisplay& x, Window main) {
  return Capture(x, CanvasOnScreen(x, main));
}

void Stroke(const XDisplay& x, Input& input, Window main, const Path& path) {
  MoveOnCanvas(x, input, main, path.front());
  input.Press();
  for (std::size_t i = 1; i < path.size(); ++i) {
    MoveOnCanvas(x, input, main, path[i]);
    if (!WaitUntil([&] { return Black(x, main, path[i]); })) {
      throw std::runtime_error("a move of the stroke drew nothing");
    }
  }
  input.Release();
}

void ClickAt(const XDisplay& x, Input& input, Window main, Point client) {
  const std::optional<Rect> at = RootRect(x, main);
  if (!at) throw std::runtime_error("the main window is gone");
  input.MoveTo({at->x + client.x, at->y + client.y});
  input.Press();
  input.Release();
}

void RequestClose(const XDisplay& x, Window main) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = main;
  e.xclient.message_type = x.Atom("WM_PROTOCOLS");
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(x.Atom("WM_DELETE_WINDOW"));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(x.get(), main, False, NoEventMask, &e);
  x.Sync();
}

pid_t ProgramPid(const XDisplay& x, Window main) {
  const std::vector<unsigned long> pid =
      x.Cardinals(main, x.Atom("_NET_WM_PID"), XA_CARDINAL);
  if (pid.empty()) throw std::runtime_error("the main window names no _NET_WM_PID");
  return static_cast<pid_t>(pid[0]);
}

long long StatusBytes(pid_t pid, const char* field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  const std::string wanted = std::string(field) + ":";
  std::string name;
  long long kib = 0;
  while (status >> name) {
    if (name == wanted && status >> kib) return kib * 1024;
  }
  return -1;
}

// The server is a child of the test process, started from the Xvfb that
// the harness names; with -displayfd it keeps no lock file that names it.
void KillXServer() {
  const std::filesystem::path xvfb = std::filesystem::canonical(VESKARO_E2E_XVFB);
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string pid, name, state;
    pid_t parent = 0;
    if (!(stat >> pid >> name >> state >> parent) || parent != getpid()) continue;
    std::error_code error;
    if (std::filesystem::read_symlink(entry.path() / "exe", error) != xvfb) continue;
    if (kill(std::stoi(pid), SIGKILL) == 0) return;
  }
  throw std::runtime_error("the X server could not be found among the test's children");
}

Path Zigzag(int count) {
  constexpr int kStep = 5, kPerRow = 84, kRowPitch = 10;
  Path path;
  for (int i = 0; i < count; ++i) {
    const int row = i / (kPerRow + 1), column = i % (kPerRow + 1);
    const int x = row % 2 == 0 ? column : kPerRow - column;
    path.push_back({10 + kStep * x, 10 + kRowPitch * row + kStep * (i % 2)});
  }
  return path;
}

}  // namespace veskaro::e2e::stress
