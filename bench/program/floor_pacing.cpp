// The pacing floor: an Xlib client that, once pressed, draws the pacing
// path one piece every 15 ms as exactly as this machine lets a process keep
// a clock (absolute sleeps on CLOCK_MONOTONIC), with the program's pen.
//   veskaro_floor_pacing X Y PIECES   (where the program's canvas would be)
#include <X11/Xlib.h>
#include <time.h>

#include <cstdlib>
#include <memory>

#include "zigzag.h"

namespace {

constexpr long kPeriodNs = 15'000'000;

struct DisplayCloser {
  void operator()(Display* d) const noexcept { XCloseDisplay(d); }
};

void SleepUntil(timespec& due, long addNs) {
  due.tv_nsec += addNs;
  while (due.tv_nsec >= 1'000'000'000) due.tv_nsec -= 1'000'000'000, ++due.tv_sec;
  clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr);
}

void Replay(Display* d, Window w, GC pen, int pieces) {
  XClearWindow(d, w);
  XFlush(d);
  timespec due{};
  clock_gettime(CLOCK_MONOTONIC, &due);
  for (int i = 1; i <= pieces; ++i) {
    SleepUntil(due, kPeriodNs);
    const veskaro::bench::Point a = veskaro::bench::ZigzagPoint(i - 1),
                                b = veskaro::bench::ZigzagPoint(i);
    XDrawLine(d, w, pen, a.x, a.y, b.x, b.y);
    XFlush(d);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
  if (!display) return 1;
  Display* d = display.get();
  XSetWindowAttributes attributes{};
  attributes.background_pixel = WhitePixel(d, DefaultScreen(d));
  attributes.event_mask = ButtonPressMask;
  const Window w =
      XCreateWindow(d, DefaultRootWindow(d), std::atoi(argv[1]), std::atoi(argv[2]), 448,
                    336, 0, CopyFromParent, InputOutput, CopyFromParent,
                    CWBackPixel | CWEventMask, &attributes);
  XGCValues values{};
  values.foreground = BlackPixel(d, DefaultScreen(d));
  values.line_width = 4;
  values.cap_style = CapRound;
  values.join_style = JoinRound;
  const GC pen =
      XCreateGC(d, w, GCForeground | GCLineWidth | GCCapStyle | GCJoinStyle, &values);
  XMapWindow(d, w);
  for (;;) {
    XEvent event;
    XNextEvent(d, &event);
    if (event.type == ButtonPress) Replay(d, w, pen, std::atoi(argv[3]));
  }
}
