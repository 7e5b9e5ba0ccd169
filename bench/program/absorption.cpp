#include "absorption.h"

#include <cstdio>
#include <cstdlib>

#include "child.h"
#include "clock.h"
#include "strokes.h"

namespace veskaro::bench {

double MeasureAbsorption(const Screen& screen, const std::vector<std::string>& argv,
                         long moves) {
  WaitForNoCanvas(screen);
  Child child(argv);
  const Layout layout = WaitForCanvas(screen, NowMs() + 30'000);
  screen.Sync();
  const double start = NowMs();
  Flood(screen, layout, moves, false);
  const Point sentinel = layout.OnCanvas(kSentinel.x, kSentinel.y);
  const double end = WaitForBlack(screen, sentinel, start + 300'000);
  screen.Release();
  screen.Sync();
  if (end < 0) {
    std::fprintf(stderr, "bench: %s never answered the last move\n", argv[0].c_str());
    std::exit(2);
  }
  child.Stop();
  return static_cast<double>(moves) * 1000 / (end - start);
}

}  // namespace veskaro::bench
