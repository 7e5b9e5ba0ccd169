// Figures of the real program on this machine, each beside its floor or its
// goal, as rows of one table. Started by bench/program/run.sh on a fresh
// Xvfb, once for the Linux program and once for the Windows one under Wine.
//   veskaro_program_bench header
//   veskaro_program_bench linux PROGRAM FLOOR_START FLOOR_INPUT
//   veskaro_program_bench wine LOADER PROGRAM_EXE FLOOR_EXE
// VESKARO_BENCH_RUNS sets how many runs each median is taken over.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "absorption.h"
#include "child.h"
#include "clock.h"
#include "layout.h"
#include "memory.h"
#include "pacing.h"
#include "screen.h"
#include "startup.h"
#include "stats.h"
#include "strokes.h"
#include "table.h"

namespace veskaro::bench {

namespace {

constexpr long kAbsorbedMoves = 100'000;
constexpr long kRecordedSegments = 1'000'000;
constexpr int kReplayedSegments = 505;  // 500 gaps and some to spare

using Command = std::vector<std::string>;

int Runs() {
  const char* runs = std::getenv("VESKARO_BENCH_RUNS");
  const int n = runs != nullptr ? std::atoi(runs) : 0;
  return n > 0 ? n : 5;
}

std::string Arg(int value) { return std::to_string(value); }

PaintProbe ProgramProbe(const Layout& l) {
  const Rect c = l.canvasRect();
  return {{Centre(c), {c.x + 3, c.y + 3}, {c.x + c.width - 4, c.y + c.height - 4}},
          {CaptionArea(l.clearButton()), CaptionArea(l.playButton())}};
}

// Where the floors draw their line of text: across both captions' row.
PaintProbe FloorProbe(const Layout& l) {
  return {{}, {{l.client().x + 130, l.client().y + 376, 190, 24}}};
}

// Starts the program once to learn where its window lands, and warms the
// file caches that every later run reads.
Layout Calibrate(Screen& screen, const Command& program) {
  Child child(program);
  const Layout layout = WaitForCanvas(screen, NowMs() + 60'000);
  const double deadline = NowMs() + 30'000;
  while (!ShowsPaint(screen, ProgramProbe(layout)) && NowMs() < deadline) usleep(20'000);
  child.Stop();
  return layout;
}

void StartUpRows(Screen& screen, const Layout& l, const Command& program,
                 const Command& floor, const std::string& figure, bool fixedGoal) {
  std::vector<double> mine, floors;
  MeasureStartUp(screen, floor, FloorProbe(l), 1);  // its caches warm too
  for (int i = 0; i < Runs(); ++i) {
    mine.push_back(MeasureStartUp(screen, program, ProgramProbe(l), 1)[0]);
    floors.push_back(MeasureStartUp(screen, floor, FloorProbe(l), 1)[0]);
  }
  const double m = Median(mine), f = Median(floors);
  PrintRow(figure, Fixed(m, 1, "ms"), Fixed(f, 1, "ms"), Fixed(m / f, 2, "x"),
           "<= 1.5 x floor", m <= 1.5 * f);
  if (fixedGoal) {
    PrintRow("  the same, against the fixed goal", Fixed(m, 1, "ms"), "-", "-", "< 50 ms",
             m < 50);
  }
}

void AbsorptionRow(const Screen& screen, const Layout& l, const Command& program,
                   const std::string& floorInput) {
  const Rect c = l.canvasRect();
  const Command floor{floorInput,    Arg(c.x),         Arg(c.y),        Arg(c.width),
                      Arg(c.height), Arg(kSentinel.x), Arg(kSentinel.y)};
  std::vector<double> mine, floors;
  for (int i = 0; i < Runs(); ++i) {
    mine.push_back(MeasureAbsorption(screen, program, kAbsorbedMoves));
    floors.push_back(MeasureAbsorption(screen, floor, kAbsorbedMoves));
  }
  const double m = Median(mine), f = Median(floors);
  PrintRow("input absorption, moves/s in one stroke", Fixed(m, 0, ""), Fixed(f, 0, ""),
           Fixed(m / f, 2, "x"), ">= 0.8 x floor", m >= 0.8 * f);
}

// The median of each figure over the runs; the shortest and longest gaps
// are those of all runs.
void PacingRows(Screen& screen, const Command& program, const char* who) {
  const int runs = (Runs() + 1) / 2;
  std::vector<double> mean500, sd500, mean200;
  double shortest500 = 1e9, longest500 = 0, shortest200 = 1e9;
  for (int i = 0; i < runs; ++i) {
    Child child(program);
    const Layout l = WaitForCanvas(screen, NowMs() + 60'000);
    std::vector<double> shown = MeasurePlayback(screen, l, kReplayedSegments);
    child.Stop();
    shown.resize(501);
    const Gaps g = GapsOf(shown);
    mean500.push_back(g.mean), sd500.push_back(g.sd);
    shortest500 = std::min(shortest500, g.shortest);
    longest500 = std::max(longest500, g.longest);
    shown.resize(201);
    const Gaps h = GapsOf(shown);
    mean200.push_back(h.mean);
    shortest200 = std::min(shortest200, h.shortest);
  }
  const std::string p = std::string(who) + "playback, 500 ticks: ";
  const double m = Median(mean500), m2 = Median(mean200);
  PrintRow(p + "mean period", Fixed(m, 2, "ms"), "-", "-", "15.00 +- 0.1 ms",
           m >= 14.9 && m <= 15.1);
  PrintRow(p + "standard deviation", Fixed(Median(sd500), 2, "ms"), "-", "-", "-", true);
  PrintRow(p + "shortest gap", Fixed(shortest500, 2, "ms"), "-", "-", ">= 7 ms",
           shortest500 >= 7);
  PrintRow(p + "longest gap", Fixed(longest500, 2, "ms"), "-", "-", "<= 30 ms",
           longest500 <= 30);
  const std::string q = std::string(who) + "playback, 200 ticks: ";
  PrintRow(q + "mean period", Fixed(m2, 2, "ms"), "-", "-", "15 +- 0.2 ms",
           m2 >= 14.8 && m2 <= 15.2);
  PrintRow(q + "shortest gap", Fixed(shortest200, 2, "ms"), "-", "-", ">= 7 ms",
           shortest200 >= 7);
}

// The floor's resident set once its window shows: the same libraries, mapped.
long long FloorResidentSet(Screen& screen, const Layout& l, const Command& floor) {
  Child child(floor);
  const double deadline = NowMs() + 30'000;
  while (!ShowsPaint(screen, FloorProbe(l)) && NowMs() < deadline) usleep(20'000);
  usleep(300'000);
  const long long bytes = StatusBytes(child.pid(), "VmRSS");
  child.Stop();
  return bytes;
}

void MemoryRows(Screen& screen, const Layout& l, const Command& program,
                const Command& floor) {
  const long long floorBytes = FloorResidentSet(screen, l, floor);
  const MemoryFigures f = MeasureMemory(screen, program, kRecordedSegments);
  const double perSegment =
      static_cast<double>(f.afterBytes - f.idleBytes) / static_cast<double>(f.segments);
  const double mb = 1024.0 * 1024.0;
  PrintRow("resident set at idle", Fixed(f.idleBytes / mb, 2, "MiB"),
           Fixed(floorBytes / mb, 2, "MiB"),
           Fixed(static_cast<double>(f.idleBytes) / floorBytes, 2, "x"), "< 6 MB",
           f.idleBytes < 6'000'000);
  PrintRow("  of which the program's own (anonymous)", Fixed(f.idleOwn / mb, 2, "MiB"),
           "-", "-", "-", true);
  PrintRow("resident set after 10^6 recorded segments",
           Fixed(f.afterBytes / mb, 2, "MiB"), "-", "-", "-", true);
  PrintRow("  growth per recorded segment", Fixed(perSegment, 1, "B"), "-", "-",
           "<= 24 B", perSegment <= 24);
}

int Linux(const Command& program, const std::string& floorStart,
          const std::string& floorInput) {
  Screen screen;
  screen.ShadeRoot(0x7F7F7F);
  const Layout l = Calibrate(screen, program);
  const Point at = l.client();
  const Command floor{floorStart, Arg(at.x), Arg(at.y), Arg(496), Arg(416)};
  StartUpRows(screen, l, program, floor, "start-up, exec to first paint", true);
  AbsorptionRow(screen, l, program, floorInput);
  PacingRows(screen, program, "");
  MemoryRows(screen, l, program, floor);
  return 0;
}

int Wine(const std::string& loader, const std::string& exe, const std::string& floorExe) {
  Screen screen;
  const Command program{loader, exe};
  const Layout l = Calibrate(screen, program);
  const Point at = l.client();
  const Command floor{loader, floorExe, Arg(at.x), Arg(at.y), Arg(496), Arg(416)};
  StartUpRows(screen, l, program, floor, "Wine: start-up, exec to first paint", false);
  PacingRows(screen, program, "Wine: ");
  return 0;
}

}  // namespace

}  // namespace veskaro::bench

int main(int argc, char** argv) {
  using namespace veskaro::bench;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "header") return PrintHeader(), 0;
  if (args.size() == 4 && args[0] == "linux") return Linux({args[1]}, args[2], args[3]);
  if (args.size() == 4 && args[0] == "wine") return Wine(args[1], args[2], args[3]);
  std::fprintf(stderr,
               "usage: veskaro_program_bench header | linux PROGRAM FLOOR_START "
               "FLOOR_INPUT | wine LOADER PROGRAM_EXE FLOOR_EXE\n");
  return 2;
}
