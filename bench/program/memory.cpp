#include "memory.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "child.h"
#include "clock.h"
#include "layout.h"
#include "strokes.h"

namespace veskaro::bench {

MemoryFigures MeasureMemory(const Screen& screen, const std::vector<std::string>& argv,
                            long segments) {
  WaitForNoCanvas(screen);
  Child child(argv);
  const Layout layout = WaitForCanvas(screen, NowMs() + 30'000);
  usleep(300'000);  // let the start-up's last requests settle
  MemoryFigures figures{StatusBytes(child.pid(), "VmRSS"),
                        StatusBytes(child.pid(), "RssAnon"), 0, segments};
  // The moves, then the one to the sentinel, each record a piece; the
  // release would record one more.
  Flood(screen, layout, segments - 1, true);
  if (WaitForBlack(screen, layout.OnCanvas(kSentinel.x, kSentinel.y), NowMs() + 600'000) <
      0) {
    std::fprintf(stderr, "bench: the program never drew the last move\n");
    std::exit(2);
  }
  figures.afterBytes = StatusBytes(child.pid(), "VmRSS");
  screen.Release();
  screen.Sync();
  child.Stop();
  return figures;
}

}  // namespace veskaro::bench
