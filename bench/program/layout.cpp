#include "layout.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "clock.h"

namespace veskaro::bench {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

bool WhiteRun(const Pixels& p, int x, int y, int dx, int dy, int length) {
  for (int i = 0; i < length; ++i) {
    if (p.At(x + i * dx, y + i * dy) != kWhite) return false;
  }
  return true;
}

bool IsCanvasCorner(const Pixels& p, int x, int y) {
  const int w = Layout::kCanvasWidth, h = Layout::kCanvasHeight;
  if (x == 0 || y == 0 || x + w >= p.area.width || y + h >= p.area.height) return false;
  if (p.At(x - 1, y) == kWhite || p.At(x, y - 1) == kWhite) return false;
  if (p.At(x + w, y) == kWhite || p.At(x, y + h) == kWhite) return false;
  return WhiteRun(p, x, y, 1, 0, w) && WhiteRun(p, x, y + h - 1, 1, 0, w) &&
         WhiteRun(p, x, y, 0, 1, h) && WhiteRun(p, x + w - 1, y, 0, 1, h) &&
         WhiteRun(p, x, y, 1, 1, h);
}

}  // namespace

Point Centre(const Rect& r) { return {r.x + r.width / 2, r.y + r.height / 2}; }

Rect CaptionArea(const Rect& button) {
  return {button.x + 8, button.y + 8, button.width - 16, button.height - 16};
}

std::optional<Layout> FindCanvas(const Screen& screen) {
  const Pixels p = screen.Grab({0, 0, screen.width(), screen.height()});
  for (int y = 1; y < p.area.height; ++y) {
    for (int x = 1; x < p.area.width; ++x) {
      if (p.At(x, y) == kWhite && IsCanvasCorner(p, x, y)) return Layout{{x, y}};
    }
  }
  return std::nullopt;
}

Layout WaitForCanvas(const Screen& screen, double deadlineMs) {
  for (;;) {
    if (const std::optional<Layout> found = FindCanvas(screen)) return *found;
    if (NowMs() > deadlineMs) {
      std::fprintf(stderr, "bench: no canvas appeared on the screen\n");
      std::exit(2);
    }
    usleep(20'000);
  }
}

void WaitForNoCanvas(const Screen& screen) {
  const double deadline = NowMs() + 30'000;
  while (FindCanvas(screen)) {
    if (NowMs() > deadline) {
      std::fprintf(stderr, "bench: the last run's window stays on the screen\n");
      std::exit(2);
    }
    usleep(20'000);
  }
}

}  // namespace veskaro::bench
