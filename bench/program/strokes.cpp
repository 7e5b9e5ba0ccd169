#include "strokes.h"

#include <unistd.h>

#include "clock.h"

namespace veskaro::bench {

Point FloodPoint(const Layout& layout, long i) {
  return layout.OnCanvas(10 + static_cast<int>((i * 7) % 400),
                         10 + static_cast<int>((i * 3) % 50));
}

void Flood(const Screen& screen, const Layout& layout, long moves, bool leaving) {
  const Point beside{layout.canvas.x - 12, layout.canvas.y + 30};
  screen.MoveTo(FloodPoint(layout, 0));
  screen.Press();
  for (long i = 1; i <= moves; ++i) {
    screen.MoveTo(FloodPoint(layout, i));
    if (leaving) screen.MoveTo(beside);
  }
  screen.MoveTo(layout.OnCanvas(kSentinel.x, kSentinel.y));
  screen.Flush();
}

double WaitForBlack(const Screen& screen, Point p, double deadlineMs) {
  for (;;) {
    if (screen.PixelAt(p) == 0x000000) return NowMs();
    if (NowMs() > deadlineMs) return -1;
    // A short rest leaves the two cores to the server and the program.
    usleep(200);
  }
}

}  // namespace veskaro::bench
