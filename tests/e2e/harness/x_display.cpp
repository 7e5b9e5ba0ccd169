#include "tests/e2e/harness/x_display.h"

#include <stdexcept>

namespace veskaro::e2e {

namespace {

// The program's windows come and go while the test looks at them; a query on
// a window that is gone must fail softly (the call returns its failure), not
// end the test. Xlib's handler is process-wide and needs no state here.
int IgnoreProtocolErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

XDisplay::XDisplay(const std::string& name) : display_(XOpenDisplay(name.c_str())) {
  if (!display_) throw std::runtime_error("cannot open the X display " + name);
  XSetErrorHandler(&IgnoreProtocolErrors);
}

std::vector<unsigned long> XDisplay::Cardinals(Window window, ::Atom property,
                                               ::Atom type) const {
  ::Atom actualType = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(get(), window, property, 0, 1 << 16, False, type, &actualType,
                         &format, &count, &after, &data) == Success &&
      data != nullptr) {
    // Format 32 arrives as an array of long, whatever long's size.
    if (actualType == type && format == 32) {
      const auto* longs = reinterpret_cast<const unsigned long*>(data);
      values.assign(longs, longs + count);
    }
    XFree(data);
  }
  return values;
}

std::optional<std::string> XDisplay::Text(Window window, ::Atom property,
                                          ::Atom type) const {
  ::Atom actualType = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::optional<std::string> text;
  if (XGetWindowProperty(get(), window, property, 0, 1 << 16, False, type, &actualType,
                         &format, &count, &after, &data) == Success &&
      data != nullptr) {
    if (actualType == type && format == 8) {
      text = std::string(reinterpret_cast<const char*>(data), count);
    }
    XFree(data);
  }
  return text;
}

TestWindow::TestWindow(const XDisplay& display, const Rect& place, unsigned long rgb,
                       Kind kind)
    : display_(display) {
  XSetWindowAttributes attributes{};
  attributes.background_pixel = rgb;  // the screen is TrueColor 24-bit
  attributes.override_redirect = kind == Kind::OverrideRedirect;
  window_ = XCreateWindow(
      display.get(), display.root(), place.x, place.y, static_cast<unsigned>(place.width),
      static_cast<unsigned>(place.height), 0, CopyFromParent, InputOutput, CopyFromParent,
      CWBackPixel | CWOverrideRedirect, &attributes);
  display.Sync();
}

TestWindow::~TestWindow() {
  XDestroyWindow(display_.get(), window_);
  display_.Sync();
}

void TestWindow::Map() const {
  XMapRaised(display_.get(), window_);
  display_.Sync();
}

void TestWindow::Unmap() const {
  XUnmapWindow(display_.get(), window_);
  display_.Sync();
}

}  // namespace veskaro::e2e
