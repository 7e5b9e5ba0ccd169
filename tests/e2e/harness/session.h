#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/harness/image.h"
#include "tests/e2e/harness/input.h"
#include "tests/e2e/harness/map_watch.h"
#include "tests/e2e/harness/program_process.h"
#include "tests/e2e/harness/x_display.h"
#include "tests/e2e/harness/xvfb_server.h"

namespace veskaro::e2e {

enum class Build { Ordinary, Faults };  // veskaro or veskaro-faults

struct SessionOptions {
  WindowManager manager = WindowManager::Absent;
  Build build = Build::Ordinary;
  Environment environment = {};
};

// One run of the program on its own X server, seen from a test client that
// watches the screen and types and clicks through XTEST.
class Session {
 public:
  explicit Session(const SessionOptions& options = {});

  XDisplay& x() { return x_; }
  Input& input() { return input_; }
  ProgramProcess& program() { return program_; }
  // The top-level windows mapped since just before the program started.
  const std::vector<Window>& MappedTopLevels() { return watch_.Mapped(); }
  const XvfbServer& server() const { return server_; }

  // Waits for the program's viewable main window, its canvas painted white
  // and the keyboard given to it; throws if that never comes.
  void WaitForMainWindow();
  // A viewable top-level window with the title, once one is there; throws if
  // none comes.
  Window WaitForWindowTitled(const std::string& title);

  Window mainWindow() const { return main_; }
  // The main window's client area on the screen, read afresh.
  Rect ClientOnScreen();
  // From the client area's or the canvas's coordinates to the screen's.
  Point FromClient(Point p);
  Point FromCanvas(Point p);
  Rect CanvasOnScreen();

  Image CaptureCanvas() { return Capture(x_, CanvasOnScreen()); }
  Image CaptureClient() { return Capture(x_, ClientOnScreen()); }
  Image CaptureScreen();

  // Moves to the point of the client area and clicks there.
  void ClickAt(Point client);

  // A screenshot and the program's error output, for a person to look at.
  void SaveEvidence(const std::filesystem::path& screenshot);

 private:
  XvfbServer server_;
  XDisplay x_;
  Input input_;
  MapWatch watch_;
  ProgramProcess program_;
  Window main_ = None;
};

}  // namespace veskaro::e2e
