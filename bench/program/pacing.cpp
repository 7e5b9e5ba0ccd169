#include "pacing.h"

#include <cstdio>
#include <cstdlib>

#include "clock.h"
#include "strokes.h"

namespace veskaro::bench {

namespace {

constexpr int kPerRow = 50;  // pieces per row of the zigzag

// The i-th point of a zigzag that runs in rows, left to right and back, so
// that each piece's midpoint is painted by that piece alone.
Point PathPoint(int i) {
  const int row = i / (kPerRow + 1), column = i % (kPerRow + 1);
  const int x = row % 2 == 0 ? column : kPerRow - column;
  return {16 + 8 * x, 16 + 16 * row + 8 * (i % 2)};
}

Point Midpoint(const Layout& layout, int piece) {
  const Point a = PathPoint(piece - 1), b = PathPoint(piece);
  return layout.OnCanvas((a.x + b.x) / 2, (a.y + b.y) / 2);
}

[[noreturn]] void Fail(const char* why) {
  std::fprintf(stderr, "bench: %s\n", why);
  std::exit(2);
}

void DrawPath(const Screen& screen, const Layout& layout, int segments) {
  const Point start = PathPoint(0);
  screen.MoveTo(layout.OnCanvas(start.x, start.y));
  screen.Press();
  // The release records one piece more, of length zero, at the last point.
  for (int i = 1; i < segments; ++i) {
    const Point p = PathPoint(i);
    screen.MoveTo(layout.OnCanvas(p.x, p.y));
    screen.Flush();
    if (WaitForBlack(screen, Midpoint(layout, i), NowMs() + 10'000) < 0) {
      Fail("the program did not draw a move of the stroke");
    }
  }
  screen.Release();
  screen.Sync();
}

}  // namespace

std::vector<double> MeasurePlayback(Screen& screen, const Layout& layout, int segments) {
  DrawPath(screen, layout, segments);
  DamageWatch watch(screen);
  screen.Click(Centre(layout.playButton()));
  const int drawn = segments - 1;  // the last piece paints nothing new
  const double deadline = NowMs() + 1000 + 30.0 * segments;
  std::vector<double> shown;
  bool wiped = false;
  while (static_cast<int>(shown.size()) < drawn) {
    const std::optional<DamageWatch::Batch> batch = watch.Next(deadline);
    if (!batch) Fail("the playback stopped before its end");
    const int next = static_cast<int>(shown.size()) + 1;
    // The click wipes the canvas first; what showed before is the old drawing.
    if (!wiped) {
      wiped = screen.PixelAt(Midpoint(layout, 1)) == 0xFFFFFF;
      continue;
    }
    for (int piece = next; piece <= drawn; ++piece) {
      if (screen.PixelAt(Midpoint(layout, piece)) != 0x000000) break;
      shown.push_back(batch->atMs);
    }
  }
  return shown;
}

}  // namespace veskaro::bench
