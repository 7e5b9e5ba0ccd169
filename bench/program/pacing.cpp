#include "pacing.h"

#include <cstdio>
#include <cstdlib>

#include "clock.h"
#include "strokes.h"
#include "zigzag.h"

namespace veskaro::bench {

namespace {

Point Midpoint(const Layout& layout, int piece) {
  const Point a = ZigzagPoint(piece - 1), b = ZigzagPoint(piece);
  return layout.OnCanvas((a.x + b.x) / 2, (a.y + b.y) / 2);
}

[[noreturn]] void Fail(const char* why) {
  std::fprintf(stderr, "bench: %s\n", why);
  std::exit(2);
}

// When the server drew the point: the time of the first report that covers it.
double ServerTimeOf(const DamageWatch::Batch& batch, Point p) {
  for (const DamageWatch::Report& r : batch.reports) {
    if (r.area.Contains(p)) return static_cast<double>(r.serverMs);
  }
  return static_cast<double>(batch.reports.back().serverMs);
}

// Whether one of the reports covers the whole canvas, as its wipe does.
bool Wipes(const DamageWatch::Batch& batch, const Rect& canvas) {
  for (const DamageWatch::Report& r : batch.reports) {
    const Rect& a = r.area;
    if (a.x <= canvas.x && a.y <= canvas.y && a.x + a.width >= canvas.x + canvas.width &&
        a.y + a.height >= canvas.y + canvas.height) {
      return true;
    }
  }
  return false;
}

}  // namespace

void DrawPath(const Screen& screen, const Layout& layout, int segments) {
  const Point start = ZigzagPoint(0);
  screen.MoveTo(layout.OnCanvas(start.x, start.y));
  screen.Press();
  // The release records one piece more, of length zero, at the last point.
  for (int i = 1; i < segments; ++i) {
    const Point p = ZigzagPoint(i);
    screen.MoveTo(layout.OnCanvas(p.x, p.y));
    screen.Flush();
    if (WaitForBlack(screen, Midpoint(layout, i), NowMs() + 10'000) < 0) {
      Fail("the program did not draw a move of the stroke");
    }
  }
  screen.Release();
  screen.Sync();
}

std::vector<double> WatchReplay(Screen& screen, const Layout& layout, int pieces,
                                Point start) {
  DamageWatch watch(screen);
  screen.Click(start);
  const double deadline = NowMs() + 1000 + 30.0 * pieces;
  std::vector<double> shown;
  bool wiped = false;
  while (static_cast<int>(shown.size()) < pieces) {
    const std::optional<DamageWatch::Batch> batch = watch.Next(deadline);
    if (!batch) Fail("the replay stopped before its end");
    // What showed before the wipe is the old drawing.
    if (!wiped) {
      wiped = Wipes(*batch, layout.canvasRect()) ||
              screen.PixelAt(Midpoint(layout, 1)) == 0xFFFFFF;
      if (!wiped) continue;
    }
    for (int piece = static_cast<int>(shown.size()) + 1; piece <= pieces; ++piece) {
      const Point mid = Midpoint(layout, piece);
      if (screen.PixelAt(mid) != 0x000000) break;
      shown.push_back(ServerTimeOf(*batch, mid));
    }
  }
  return shown;
}

}  // namespace veskaro::bench
