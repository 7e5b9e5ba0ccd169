#include "ui/x11/x11_main_window.h"

#include <poll.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/icons.inc"
#include "ui/start_position.h"
#include "ui/x11/x11_window_hints.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

namespace {

// OwnerGrabButtonMask: a press beside the canvas keeps the implicit grab but
// later events still go to our window under the pointer, as on Windows.
constexpr long kMainEvents = StructureNotifyMask | FocusChangeMask | KeyPressMask |
                             KeyReleaseMask | PropertyChangeMask | ButtonPressMask |
                             ButtonReleaseMask | PointerMotionMask | OwnerGrabButtonMask;

// How long a window manager gets to answer the frame-extents request.
constexpr int kFrameAnswerMs = 250;

Window CreateTopLevel(const Connection& c, Palette& palette, const WindowSettings& w,
                      Cursor arrow) {
  XSetWindowAttributes attributes{};
  attributes.background_pixel = palette.Pixel(shade::kFace);
  attributes.event_mask = kMainEvents;
  attributes.cursor = arrow;
  const FrameExtents f = kAssumedFrame;
  return XCreateWindow(
      c.display(), c.root(), 0, 0, static_cast<unsigned>(w.width - f.left - f.right),
      static_cast<unsigned>(w.height - f.top - f.bottom), 0, CopyFromParent, InputOutput,
      CopyFromParent, CWBackPixel | CWEventMask | CWCursor, &attributes);
}

// The smallest client area that holds every control at its declared place.
std::pair<int, int> ControlsExtent(const WindowDescription& d) {
  int right = 0, bottom = 0;
  for (const ControlEntry& c : d.controls) {
    right = std::max(right, c.rect.right());
    bottom = std::max(bottom, c.rect.bottom());
  }
  return {right, bottom};
}

// _MOTIF_WM_HINTS: which functions and decorations the frame offers.
std::vector<long> MotifHints(const WindowSettings& w) {
  enum : long { kFunctions = 1, kDecorations = 2 };
  enum : long {
    kFuncResize = 2,
    kFuncMove = 4,
    kFuncMinimize = 8,
    kFuncMaximize = 16,
    kFuncClose = 32
  };
  enum : long {
    kDecorBorder = 2,
    kDecorResize = 4,
    kDecorTitle = 8,
    kDecorMenu = 16,
    kDecorMinimize = 32,
    kDecorMaximize = 64
  };
  long functions = 0, decorations = kDecorBorder | kDecorTitle;
  if (!w.fixedBorder) functions |= kFuncResize, decorations |= kDecorResize;
  if (w.movable) functions |= kFuncMove;
  if (w.minimizeBox) functions |= kFuncMinimize, decorations |= kDecorMinimize;
  if (w.maximizeBox) functions |= kFuncMaximize, decorations |= kDecorMaximize;
  if (w.controlBox) functions |= kFuncClose, decorations |= kDecorMenu;
  return {kFunctions | kDecorations, functions, decorations, 0, 0};
}

}  // namespace

MainWindow::MainWindow(const Connection& connection, Palette& palette,
                       const WindowDescription& d, Cursor arrow)
    : connection_(connection),
      description_(d),
      window_(connection.display(),
              CreateTopLevel(connection, palette, d.window, arrow)) {
  SetHints();
  SetIcon();
}

void MainWindow::SetHints() {
  const Atoms& a = connection_.atoms();
  SetTitle(connection_, window(), description_.window.title);
  SetIdentity(connection_, window(), a.netWmWindowTypeNormal);
  const std::vector<long> motif = MotifHints(description_.window);
  XChangeProperty(connection_.display(), window(), a.motifWmHints, a.motifWmHints, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(motif.data()),
                  static_cast<int>(motif.size()));
}

// _NET_WM_ICON is CARDINAL[] of format 32, which Xlib takes as long[], not
// uint32_t[], even where long has 64 bits.
void MainWindow::SetIcon() {
  std::vector<long> icon;
  for (std::size_t i = 0; i < std::size(art::kIcons); ++i) {
    icon.insert(icon.end(), art::kIcons[i], art::kIcons[i] + art::kIconWords[i]);
  }
  XChangeProperty(connection_.display(), window(), connection_.atoms().netWmIcon,
                  XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(icon.data()),
                  static_cast<int>(icon.size()));
}

void MainWindow::Place() {
  managed_ = connection_.WindowManagerRunning();
  std::optional<FrameExtents> frame;
  if (managed_ &&
      connection_.WindowManagerSupports(connection_.atoms().netRequestFrameExtents)) {
    frame = RequestFrameExtents();
  }
  Fit(frame.value_or(kAssumedFrame));
}

void MainWindow::Fit(const FrameExtents& frame) {
  frame_ = frame;
  const WindowSettings& w = description_.window;
  const auto [minWidth, minHeight] = ControlsExtent(description_);
  const int width = std::max(w.width - frame.left - frame.right, minWidth);
  const int height = std::max(w.height - frame.top - frame.bottom, minHeight);
  ScreenPoint at =
      StartPosition(w, connection_.screenWidth(), connection_.screenHeight());
  // With NorthWest gravity a window manager puts the frame's corner at the
  // requested place; without one the client goes where the frame's inside would be.
  if (!managed_) at = {at.x + frame.left, at.y + frame.top};
  SetFixedSize(connection_, window(), at.x, at.y, width, height);
  XMoveResizeWindow(connection_.display(), window(), at.x, at.y,
                    static_cast<unsigned>(width), static_cast<unsigned>(height));
}

std::optional<FrameExtents> MainWindow::RequestFrameExtents() {
  Display* d = connection_.display();
  const Atoms& a = connection_.atoms();
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = window();
  request.xclient.message_type = a.netRequestFrameExtents;
  request.xclient.format = 32;
  XSendEvent(d, connection_.root(), False,
             SubstructureNotifyMask | SubstructureRedirectMask, &request);
  struct Wanted {
    Window window;
    Atom property;
  } wanted{window(), a.netFrameExtents};
  auto answer = [](Display*, XEvent* e, XPointer arg) -> Bool {
    const auto* w = reinterpret_cast<const Wanted*>(arg);
    return e->type == PropertyNotify && e->xproperty.window == w->window &&
           e->xproperty.atom == w->property;
  };
  const std::int64_t deadline = MonotonicNow() + std::int64_t{kFrameAnswerMs} * 1'000'000;
  XEvent event;
  // Other events stay queued in order for the event loop.
  while (!XCheckIfEvent(d, &event, answer, reinterpret_cast<XPointer>(&wanted))) {
    const std::int64_t left = deadline - MonotonicNow();
    if (left <= 0) break;
    pollfd connection{connection_.fd(), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left / 1'000'000) + 1);
  }
  return ReadFrameExtents();
}

std::optional<FrameExtents> MainWindow::ReadFrameExtents() const {
  const std::vector<unsigned long> v =
      connection_.Longs(window(), connection_.atoms().netFrameExtents, XA_CARDINAL);
  if (v.size() < 4) return std::nullopt;
  auto side = [](unsigned long n) { return static_cast<int>(std::min(n, 1000UL)); };
  return FrameExtents{side(v[0]), side(v[1]), side(v[2]), side(v[3])};
}

void MainWindow::OnPropertyChange(const XPropertyEvent& change) {
  if (change.atom != connection_.atoms().netFrameExtents || !managed_) return;
  const std::optional<FrameExtents> frame = ReadFrameExtents();
  if (frame && *frame != frame_) Fit(*frame);
}

void MainWindow::Show() { XMapWindow(connection_.display(), window()); }

bool MainWindow::IsCloseRequest(const XClientMessageEvent& message) const noexcept {
  const Atoms& a = connection_.atoms();
  return message.message_type == a.wmProtocols && message.format == 32 &&
         static_cast<Atom>(message.data.l[0]) == a.wmDeleteWindow;
}

}  // namespace veskaro::x11
