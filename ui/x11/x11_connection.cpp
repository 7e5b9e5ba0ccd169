#include "ui/x11/x11_connection.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

namespace {

// The one static of the backend: Xlib calls error handlers as plain
// functions with no user data, so the count has nowhere else to live.
unsigned long errorCount = 0;

// Counted, not printed: like GDI's, a failed drawing call changes nothing
// that matters, and a window destroyed by another client makes every later
// request on it fail.
int OnProtocolError(Display*, XErrorEvent*) {
  ++errorCount;
  return 0;
}

// Xlib exits after this returns, so leave at once with our own line; _exit
// because atexit handlers could touch the dead connection.
int OnLostConnection(Display* display) {
  std::string line = "veskaro: lost the connection to the X display \"";
  line += DisplayString(display);
  line += "\"\n";
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
  _exit(1);
}

Atoms InternAtoms(Display* display, int screen) {
  const std::string owner = "_XSETTINGS_S" + std::to_string(screen);
  const char* names[] = {"WM_PROTOCOLS",
                         "WM_DELETE_WINDOW",
                         "WM_NAME",
                         "UTF8_STRING",
                         "_NET_WM_NAME",
                         "_NET_WM_ICON",
                         "_NET_WM_PID",
                         "_NET_WM_WINDOW_TYPE",
                         "_NET_WM_WINDOW_TYPE_NORMAL",
                         "_NET_WM_WINDOW_TYPE_DIALOG",
                         "_NET_SUPPORTED",
                         "_NET_SUPPORTING_WM_CHECK",
                         "_NET_FRAME_EXTENTS",
                         "_NET_REQUEST_FRAME_EXTENTS",
                         "_MOTIF_WM_HINTS",
                         "_XSETTINGS_SETTINGS",
                         owner.c_str()};
  constexpr int kCount = sizeof(Atoms) / sizeof(Atom);
  static_assert(std::size(names) == kCount);
  Atom values[kCount] = {};
  XInternAtoms(display, const_cast<char**>(names), kCount, False, values);
  Atoms atoms;
  std::memcpy(&atoms, values, sizeof atoms);
  return atoms;
}

}  // namespace

std::unique_ptr<Connection> Connection::Open() {
  DisplayOwner display(XOpenDisplay(nullptr));
  if (!display) return nullptr;
  XSetErrorHandler(OnProtocolError);
  XSetIOErrorHandler(OnLostConnection);
  // Held keys then repeat as presses only, so Space clicks once on release.
  XkbSetDetectableAutoRepeat(display.get(), True, nullptr);
  return std::unique_ptr<Connection>(new Connection(std::move(display)));
}

std::string Connection::DisplayName() { return XDisplayName(nullptr); }

unsigned long Connection::ErrorCount() noexcept { return errorCount; }

Connection::Connection(DisplayOwner display)
    : display_(std::move(display)),
      screen_(DefaultScreen(display_.get())),
      root_(RootWindow(display_.get(), screen_)),
      visual_(DefaultVisual(display_.get(), screen_)),
      depth_(DefaultDepth(display_.get(), screen_)),
      colormap_(DefaultColormap(display_.get(), screen_)),
      atoms_(InternAtoms(display_.get(), screen_)) {}

std::vector<unsigned char> Connection::Property(Window window, Atom property, Atom type,
                                                int format, unsigned long& items) const {
  Atom actualType = None;
  int actualFormat = 0;
  unsigned long left = 0;
  unsigned char* data = nullptr;
  items = 0;
  const int status =
      XGetWindowProperty(display(), window, property, 0, 1 << 20, False, type,
                         &actualType, &actualFormat, &items, &left, &data);
  std::vector<unsigned char> bytes;
  if (status == Success && data != nullptr && actualType == type &&
      actualFormat == format) {
    // Format 32 arrives as an array of long, whatever long's size.
    const std::size_t unit = format == 32 ? sizeof(long) : format / 8;
    bytes.assign(data, data + items * unit);
  } else {
    items = 0;
  }
  if (data != nullptr) XFree(data);
  return bytes;
}

std::vector<unsigned long> Connection::Longs(Window window, Atom property,
                                             Atom type) const {
  unsigned long items = 0;
  const std::vector<unsigned char> bytes = Property(window, property, type, 32, items);
  std::vector<unsigned long> values(items);
  if (items > 0) std::memcpy(values.data(), bytes.data(), items * sizeof(long));
  return values;
}

std::vector<std::uint8_t> Connection::Bytes(Window window, Atom property,
                                            Atom type) const {
  unsigned long items = 0;
  const std::vector<unsigned char> bytes = Property(window, property, type, 8, items);
  return {bytes.begin(), bytes.end()};
}

bool Connection::WindowManagerRunning() const {
  const std::vector<unsigned long> check =
      Longs(root_, atoms_.netSupportingWmCheck, XA_WINDOW);
  if (check.empty()) return false;
  // A crashed manager leaves a stale property; the live one repeats it on its
  // own window.
  const std::vector<unsigned long> self =
      Longs(check[0], atoms_.netSupportingWmCheck, XA_WINDOW);
  return !self.empty() && self[0] == check[0];
}

bool Connection::WindowManagerSupports(Atom hint) const {
  if (!WindowManagerRunning()) return false;
  const std::vector<unsigned long> supported = Longs(root_, atoms_.netSupported, XA_ATOM);
  return std::find(supported.begin(), supported.end(), hint) != supported.end();
}

std::int64_t MonotonicNow() noexcept {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

}  // namespace veskaro::x11
