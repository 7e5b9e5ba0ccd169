#pragma once

// A real X server, the real program on it, and a second client that drives
// it with XTest and reads its pixels back.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace veskaro::e2e {

// Polls until `done` holds; the limit only keeps a broken run from hanging.
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(10));

// An Xvfb of its own on a free display, optionally with openbox on it.
class XServer {
 public:
  explicit XServer(bool windowManager = false);
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  const std::string& name() const { return name_; }
  void Kill();

 private:
  pid_t xvfb_ = -1;
  pid_t wm_ = -1;
  std::string name_;
};

// The program under test, with its standard error kept.
class Program {
 public:
  Program(const XServer& server, const std::string& exe,
          std::vector<std::string> environment = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The exit code, or -1000 if it did not end in time.
  int WaitForExit(std::chrono::milliseconds limit = std::chrono::seconds(10));
  bool Running();
  std::string Stderr() const;

 private:
  pid_t pid_ = -1;
  int status_ = -1;
  bool exited_ = false;
  std::string errFile_;
};

struct Rgb {
  std::uint8_t r, g, b;
  bool black() const { return r < 64 && g < 64 && b < 64; }
  bool white() const { return r == 255 && g == 255 && b == 255; }
};

// A capture of a screen rectangle, row by row.
struct Capture {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  int CountBlack() const;
  bool AllWhite() const { return CountBlack() == 0 && pixels.front().white(); }
  bool operator==(const Capture& o) const;
  void SavePpm(const std::string& path) const;
};

// The test's own connection, with the program's window found by its title.
class Driver {
 public:
  explicit Driver(const XServer& server);
  ~Driver();
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  Display* display() const { return display_; }
  // Waits for a viewable top-level window with this title; 0 if none.
  Window FindWindow(const std::string& title,
                    std::chrono::milliseconds limit = std::chrono::seconds(10));
  // The root position of a window's client area.
  void Origin(Window w, int& x, int& y);

  void MoveTo(int x, int y);
  void Press(unsigned button = 1);
  void Release(unsigned button = 1);
  void Click(int x, int y);
  // A key by its keysym name, with modifier keysym names held around it.
  void Key(const std::string& name, const std::vector<std::string>& held = {});

  Capture Grab(int x, int y, int width, int height);
  void Sync();

 private:
  Display* display_;
};

// The program's window with its canvas, in root coordinates.
struct MainWindow {
  Window window = 0;
  int clientX = 0, clientY = 0;
  int canvasX() const { return clientX + 24; }
  int canvasY() const { return clientY + 24; }
};

}  // namespace veskaro::e2e
