// Figures of the real program on this machine, each beside its floor or its
// goal, as rows of one table. Started by bench/program/run.sh on a fresh
// Xvfb, once for the Linux program and once for the Windows one under Wine.
//   veskaro_program_bench header
//   veskaro_program_bench linux PROGRAM FLOOR_START FLOOR_INPUT FLOOR_PACING
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
  MeasureStartUp(screen, floor, FloorProbe(l));  // its caches warm too
  for (int i = 0; i < Runs(); ++i) {
    mine.push_back(MeasureStartUp(screen, program, ProgramProbe(l)));
    floors.push_back(MeasureStartUp(screen, floor, FloorProbe(l)));
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

// The figures of one client's replays: the median of each over the runs,
// but the shortest and longest gaps of all runs.
struct Pacing {
  std::vector<Gaps> of500, of200;

  void Add(std::vector<double> shown) {
    shown.resize(501);
    of500.push_back(GapsOf(shown));
    shown.resize(201);
    of200.push_back(GapsOf(shown));
  }
  static double MedianOf(const std::vector<Gaps>& runs, double Gaps::*figure) {
    std::vector<double> values;
    for (const Gaps& g : runs) values.push_back(g.*figure);
    return Median(values);
  }
  static double Shortest(const std::vector<Gaps>& runs) {
    double s = 1e9;
    for (const Gaps& g : runs) s = std::min(s, g.shortest);
    return s;
  }
  static double Longest(const std::vector<Gaps>& runs) {
    double l = 0;
    for (const Gaps& g : runs) l = std::max(l, g.longest);
    return l;
  }
};

std::vector<double> ProgramReplay(Screen& screen, const Command& program) {
  WaitForNoCanvas(screen);
  Child child(program);
  const Layout l = WaitForCanvas(screen, NowMs() + 60'000);
  DrawPath(screen, l, kReplayedSegments);
  return WatchReplay(screen, l, kReplayedSegments - 1, Centre(l.playButton()));
}

std::vector<double> FloorReplay(Screen& screen, const Layout& l,
                                const std::string& floorPacing) {
  WaitForNoCanvas(screen);
  Child child({floorPacing, Arg(l.canvas.x), Arg(l.canvas.y), Arg(kReplayedSegments)});
  WaitForCanvas(screen, NowMs() + 60'000);
  return WatchReplay(screen, l, kReplayedSegments - 1, Centre(l.canvasRect()));
}

std::string Ms(double value, int decimals) { return Fixed(value, decimals, "ms"); }

void PrintPacing(const std::string& who, const Pacing& p, const Pacing* floor) {
  const auto f = [&](double v, int decimals) { return floor ? Ms(v, decimals) : "-"; };
  const std::string a = who + "playback, 500 ticks: ", b = who + "playback, 200 ticks: ";
  const double mean = Pacing::MedianOf(p.of500, &Gaps::mean);
  const double mean200 = Pacing::MedianOf(p.of200, &Gaps::mean);
  const double shortest = Pacing::Shortest(p.of500), longest = Pacing::Longest(p.of500);
  const double low = Pacing::MedianOf(p.of500, &Gaps::low);
  const double high = Pacing::MedianOf(p.of500, &Gaps::high);
  const Pacing& fl = floor ? *floor : p;
  PrintRow(a + "mean period", Ms(mean, 2), f(Pacing::MedianOf(fl.of500, &Gaps::mean), 2),
           "-", "15.00 +- 0.1 ms", mean >= 14.9 && mean <= 15.1);
  PrintRow(a + "standard deviation", Ms(Pacing::MedianOf(p.of500, &Gaps::sd), 2),
           f(Pacing::MedianOf(fl.of500, &Gaps::sd), 2), "-", "-", true);
  PrintRow(a + "shortest gap", Ms(shortest, 1), f(Pacing::Shortest(fl.of500), 1), "-",
           ">= 7 ms", shortest >= 7);
  PrintRow(a + "longest gap", Ms(longest, 1), f(Pacing::Longest(fl.of500), 1), "-",
           "<= 30 ms", longest <= 30);
  PrintRow(a + "1st / 99th percentile", Ms(low, 1) + " / " + Fixed(high, 1, ""),
           floor ? Ms(Pacing::MedianOf(fl.of500, &Gaps::low), 1) + " / " +
                       Fixed(Pacing::MedianOf(fl.of500, &Gaps::high), 1, "")
                 : "-",
           "-", "within 7 to 30 ms", low >= 7 && high <= 30);
  PrintRow(b + "mean period", Ms(mean200, 2),
           f(Pacing::MedianOf(fl.of200, &Gaps::mean), 2), "-", "15 +- 0.2 ms",
           mean200 >= 14.8 && mean200 <= 15.2);
  PrintRow(b + "shortest gap", Ms(Pacing::Shortest(p.of200), 1),
           f(Pacing::Shortest(fl.of200), 1), "-", ">= 7 ms",
           Pacing::Shortest(p.of200) >= 7);
}

// Half as many runs as the other figures: each replay lasts some 8 s.
void PacingRows(Screen& screen, const Command& program, const std::string& who,
                const Layout& l, const std::string& floorPacing) {
  Pacing mine, floor;
  for (int i = 0; i < (Runs() + 1) / 2; ++i) {
    mine.Add(ProgramReplay(screen, program));
    if (!floorPacing.empty()) floor.Add(FloorReplay(screen, l, floorPacing));
  }
  PrintPacing(who, mine, floorPacing.empty() ? nullptr : &floor);
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
          const std::string& floorInput, const std::string& floorPacing) {
  Screen screen;
  screen.ShadeRoot(0x7F7F7F);
  const Layout l = Calibrate(screen, program);
  const Point at = l.client();
  const Command floor{floorStart, Arg(at.x), Arg(at.y), Arg(496), Arg(416)};
  StartUpRows(screen, l, program, floor, "start-up, exec to first paint", true);
  AbsorptionRow(screen, l, program, floorInput);
  PacingRows(screen, program, "", l, floorPacing);
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
  PacingRows(screen, program, "Wine: ", l, "");
  return 0;
}

}  // namespace

}  // namespace veskaro::bench

int main(int argc, char** argv) {
  using namespace veskaro::bench;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "header") return PrintHeader(), 0;
  if (args.size() == 5 && args[0] == "linux") {
    return Linux({args[1]}, args[2], args[3], args[4]);
  }
  if (args.size() == 4 && args[0] == "wine") return Wine(args[1], args[2], args[3]);
  std::fprintf(stderr,
               "usage: veskaro_program_bench header | linux PROGRAM FLOOR_START "
               "FLOOR_INPUT FLOOR_PACING | wine LOADER PROGRAM_EXE FLOOR_EXE\n");
  return 2;
}
