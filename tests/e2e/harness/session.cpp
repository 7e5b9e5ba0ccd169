#include "tests/e2e/harness/session.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/wait.h"
#include "tests/e2e/harness/windows.h"

namespace veskaro::e2e {

namespace {

const char* ProgramPath(Build build) {
  return build == Build::Faults ? VESKARO_E2E_FAULTS_PROGRAM : VESKARO_E2E_PROGRAM;
}

std::vector<Window> Viewable(const XDisplay& x, const std::vector<Window>& windows) {
  std::vector<Window> shown;
  for (const Window w : windows) {
    if (IsShown(x, w)) shown.push_back(w);
  }
  return shown;
}

}  // namespace

Session::Session(const SessionOptions& options)
    : server_(options.manager),
      x_(server_.display()),
      input_(x_),
      watch_(x_),
      program_(ProgramPath(options.build), server_.display(), options.environment) {}

Window Session::WaitForWindowTitled(const std::string& title) {
  std::vector<Window> shown;
  const bool found = WaitUntil([&] {
    shown = Viewable(x_, FindWindowsByTitle(x_, title));
    return !shown.empty() || !program_.Running();
  });
  if (!found || shown.empty()) {
    throw std::runtime_error("no viewable window titled \"" + title + "\" appeared" +
                             (program_.Running() ? "" : "; the program has ended"));
  }
  return shown.front();
}

void Session::WaitForMainWindow() {
  main_ = WaitForWindowTitled(layout::kTitle);
  if (!WaitUntil([&] { return CaptureCanvas().All(kWhite); })) {
    throw std::runtime_error("the canvas never showed all white");
  }
  if (!WaitUntil([&] { return HasKeyboardFocus(x_, main_); })) {
    throw std::runtime_error("the main window never got the keyboard");
  }
}

Rect Session::ClientOnScreen() {
  const std::optional<Rect> client = RootRect(x_, main_);
  if (!client) throw std::runtime_error("the main window is gone");
  return *client;
}

Point Session::FromClient(Point p) {
  const Rect client = ClientOnScreen();
  return {client.x + p.x, client.y + p.y};
}

Point Session::FromCanvas(Point p) {
  return FromClient({layout::kCanvas.x + p.x, layout::kCanvas.y + p.y});
}

Rect Session::CanvasOnScreen() {
  const Point origin = FromCanvas({0, 0});
  return {origin.x, origin.y, layout::kCanvas.width, layout::kCanvas.height};
}

Image Session::CaptureScreen() {
  return Capture(x_, {0, 0, XvfbServer::kWidth, XvfbServer::kHeight});
}

void Session::ClickAt(Point client) {
  input_.MoveTo(FromClient(client));
  input_.Press();
  input_.Release();
}

void Session::SaveEvidence(const std::filesystem::path& screenshot) {
  std::filesystem::create_directories(screenshot.parent_path());
  CaptureScreen().SavePpm(screenshot);
  std::cout << "screenshot: " << screenshot.string() << "\n";
  std::cout << "the program's standard error:\n" << program_.Errors() << "\n";
}

}  // namespace veskaro::e2e
