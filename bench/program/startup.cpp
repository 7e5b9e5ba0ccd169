#include "startup.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "child.h"
#include "clock.h"

namespace veskaro::bench {

namespace {

constexpr double kRunTimeoutMs = 30'000;

bool Dark(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) < 0x60 && ((rgb >> 8) & 0xFF) < 0x60 && (rgb & 0xFF) < 0x60;
}
bool Light(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) > 0xA0 && ((rgb >> 8) & 0xFF) > 0xA0 && (rgb & 0xFF) > 0xA0;
}

bool ShowsText(const Screen& screen, const Rect& area) {
  const Pixels p = screen.Grab(area);
  bool dark = false, light = false;
  for (const std::uint32_t rgb : p.rgb) {
    dark = dark || Dark(rgb);
    light = light || Light(rgb);
  }
  return dark && light;
}

// The previous run's window may take a moment to leave the screen.
void WaitUntilGone(const Screen& screen, const PaintProbe& probe) {
  const double deadline = NowMs() + kRunTimeoutMs;
  while (ShowsPaint(screen, probe)) {
    if (NowMs() > deadline) {
      std::fprintf(stderr, "bench: the screen still shows the last run's window\n");
      std::exit(2);
    }
    usleep(20'000);
  }
}

double OneRun(Screen& screen, DamageWatch& watch, const std::vector<std::string>& argv,
              const PaintProbe& probe) {
  WaitUntilGone(screen, probe);
  watch.Drop();
  const double start = NowMs();
  Child child(argv);
  const double deadline = start + kRunTimeoutMs;
  while (const std::optional<DamageWatch::Batch> batch = watch.Next(deadline)) {
    if (ShowsPaint(screen, probe)) {
      child.Stop();
      return batch->atMs - start;
    }
  }
  std::fprintf(stderr, "bench: %s showed no complete window\n", argv[0].c_str());
  std::exit(2);
}

}  // namespace

bool ShowsPaint(const Screen& screen, const PaintProbe& probe) {
  for (const Point& p : probe.white) {
    if (screen.PixelAt(p) != 0xFFFFFF) return false;
  }
  for (const Rect& r : probe.text) {
    if (!ShowsText(screen, r)) return false;
  }
  return true;
}

double MeasureStartUp(Screen& screen, const std::vector<std::string>& argv,
                      const PaintProbe& probe) {
  DamageWatch watch(screen);
  return OneRun(screen, watch, argv, probe);
}

}  // namespace veskaro::bench
