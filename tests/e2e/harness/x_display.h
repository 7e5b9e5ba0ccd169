#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness/geometry.h"

namespace veskaro::e2e {

// The test's own connection to the X server.
class XDisplay {
 public:
  explicit XDisplay(const std::string& name);

  Display* get() const { return display_.get(); }
  Window root() const { return DefaultRootWindow(get()); }
  ::Atom Atom(const char* name) const { return XInternAtom(get(), name, False); }

  // A 32-bit property (CARDINAL, WINDOW, ATOM …) as numbers; empty if absent.
  std::vector<unsigned long> Cardinals(Window window, ::Atom property, ::Atom type) const;
  // A text property of the given type, as bytes; nothing if absent.
  std::optional<std::string> Text(Window window, ::Atom property, ::Atom type) const;
  void Sync() const { XSync(get(), False); }

 private:
  struct Closer {
    void operator()(Display* d) const { XCloseDisplay(d); }
  };
  std::unique_ptr<Display, Closer> display_;
};

// A top-level window that the test itself makes: a plain coloured rectangle,
// either outside the window manager's reach (override-redirect) or managed.
class TestWindow {
 public:
  enum class Kind { OverrideRedirect, Managed };
  TestWindow(const XDisplay& display, const Rect& place, unsigned long rgb, Kind kind);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  Window get() const { return window_; }
  void Map() const;
  void Unmap() const;

 private:
  const XDisplay& display_;
  Window window_;
};

}  // namespace veskaro::e2e
