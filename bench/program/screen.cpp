#include "screen.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "clock.h"

namespace veskaro::bench {

namespace {

constexpr unsigned kLeftButton = 1;

[[noreturn]] void Fail(const char* why) {
  std::fprintf(stderr, "bench: %s\n", why);
  std::exit(2);
}

struct ImageDeleter {
  void operator()(XImage* image) const noexcept { XDestroyImage(image); }
};

}  // namespace

Screen::Screen() : display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) Fail("cannot open the X display; is DISPLAY set?");
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    Fail("the X server has no XTEST");
  }
  if (!XDamageQueryExtension(display_, &damageEvent_, &error)) {
    Fail("the X server has no DAMAGE");
  }
  XDamageQueryVersion(display_, &major, &minor);
}

Screen::~Screen() { XCloseDisplay(display_); }

int Screen::width() const noexcept {
  return DisplayWidth(display_, DefaultScreen(display_));
}
int Screen::height() const noexcept {
  return DisplayHeight(display_, DefaultScreen(display_));
}

Pixels Screen::Grab(const Rect& area) const {
  Pixels pixels{area, {}};
  std::unique_ptr<XImage, ImageDeleter> image(
      XGetImage(display_, DefaultRootWindow(display_), area.x, area.y,
                static_cast<unsigned>(area.width), static_cast<unsigned>(area.height),
                AllPlanes, ZPixmap));
  if (!image) Fail("XGetImage failed");
  pixels.rgb.reserve(static_cast<std::size_t>(area.width) * area.height);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      // The TrueColor visuals of Xvfb and Wine's desktop hold 0xRRGGBB.
      pixels.rgb.push_back(static_cast<std::uint32_t>(XGetPixel(image.get(), x, y)) &
                           0xFFFFFF);
    }
  }
  return pixels;
}

std::uint32_t Screen::PixelAt(Point p) const { return Grab({p.x, p.y, 1, 1}).rgb[0]; }

void Screen::ShadeRoot(std::uint32_t rgb) {
  const Window root = DefaultRootWindow(display_);
  XSetWindowBackground(display_, root, rgb);
  XClearWindow(display_, root);
  Sync();
}

void Screen::MoveTo(Point p) const {
  XTestFakeMotionEvent(display_, DefaultScreen(display_), p.x, p.y, CurrentTime);
}
void Screen::Press() const {
  XTestFakeButtonEvent(display_, kLeftButton, True, CurrentTime);
}
void Screen::Release() const {
  XTestFakeButtonEvent(display_, kLeftButton, False, CurrentTime);
}
void Screen::Click(Point p) const {
  MoveTo(p);
  Press();
  Release();
  Flush();
}
void Screen::Sync() const { XSync(display_, False); }
void Screen::Flush() const { XFlush(display_); }

DamageWatch::DamageWatch(Screen& screen) : screen_(screen) {
  damage_ = XDamageCreate(screen.display(), DefaultRootWindow(screen.display()),
                          XDamageReportRawRectangles);
  screen.Sync();
}

DamageWatch::~DamageWatch() {
  XDamageDestroy(screen_.display(), damage_);
  // Reports already on their way belong to no one.
  XSync(screen_.display(), True);
}

std::optional<DamageWatch::Batch> DamageWatch::Next(double deadlineMs) {
  Display* d = screen_.display();
  for (;;) {
    Batch batch{NowMs(), {}};
    while (XPending(d) > 0) {
      XEvent event;
      XNextEvent(d, &event);
      if (event.type != screen_.damageEvent() + XDamageNotify) continue;
      const auto& report = reinterpret_cast<const XDamageNotifyEvent&>(event);
      batch.reports.push_back(
          {{report.area.x, report.area.y, report.area.width, report.area.height},
           report.timestamp});
    }
    if (!batch.reports.empty()) return batch;
    const double left = deadlineMs - NowMs();
    if (left <= 0) return std::nullopt;
    pollfd connection{ConnectionNumber(d), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(std::ceil(left)));
  }
}

void DamageWatch::Drop() { XSync(screen_.display(), True); }

}  // namespace veskaro::bench
