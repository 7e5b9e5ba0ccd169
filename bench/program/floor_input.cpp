// The input floor: an Xlib client that only reads the pointer's moves over
// a window where the program's canvas would be, and discards them. When a
// move reaches the sentinel point it marks it, so that the bench sees when
// every move before it has been read.
//   veskaro_floor_input X Y WIDTH HEIGHT SENTINEL_X SENTINEL_Y
#include <X11/Xlib.h>

#include <cstdlib>
#include <memory>

namespace {

struct DisplayCloser {
  void operator()(Display* d) const noexcept { XCloseDisplay(d); }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) return 2;
  std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
  if (!display) return 1;
  Display* d = display.get();
  XSetWindowAttributes attributes{};
  attributes.background_pixel = WhitePixel(d, DefaultScreen(d));
  // The canvas's own selection, so the server delivers the same events.
  attributes.event_mask =
      ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
  const Window w =
      XCreateWindow(d, DefaultRootWindow(d), std::atoi(argv[1]), std::atoi(argv[2]),
                    static_cast<unsigned>(std::atoi(argv[3])),
                    static_cast<unsigned>(std::atoi(argv[4])), 0, CopyFromParent,
                    InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &attributes);
  const int sentinelX = std::atoi(argv[5]), sentinelY = std::atoi(argv[6]);
  const GC gc = DefaultGC(d, DefaultScreen(d));
  XMapWindow(d, w);
  for (;;) {
    XEvent event;
    XNextEvent(d, &event);
    if (event.type == MotionNotify && event.xmotion.x == sentinelX &&
        event.xmotion.y == sentinelY) {
      XFillRectangle(d, w, gc, sentinelX - 3, sentinelY - 3, 7, 7);
      XFlush(d);
    }
  }
}
