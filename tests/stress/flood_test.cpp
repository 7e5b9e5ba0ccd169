// Soak and flood: a million pointer moves in one stroke, a click on "clear"
// right after them, the memory they cost, and a replay of 2,000 pieces that
// ends on exactly the picture it started from.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/stress/driver.h"

namespace veskaro::e2e::stress {
namespace {

using namespace std::chrono_literals;

constexpr long kFloodMoves = 1'000'000;
constexpr long long kMostBytesPerMove = 24;
// Where the flood moves: a band at the top of the canvas.
constexpr Rect kFloodBand{10, 10, 400, 50};

// A sanitizer's allocator keeps freed blocks aside and pads every block, so
// resident memory says nothing about the program's own there.
constexpr bool kSanitized =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

// The i-th move of the flood, never twice in a row at one place, so that
// each is a motion event of its own.
Point FloodPoint(long i) {
  return {kFloodBand.x + static_cast<int>((i * 7) % kFloodBand.width),
          kFloodBand.y + static_cast<int>((i * 3) % kFloodBand.height)};
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

using FloodTest = ProgramTest;

TEST_F(FloodTest, MillionMovesInOneStrokeThenClearIsHandledAndMemoryStaysSmall) {
  Session& s = Start();
  const pid_t pid = ProgramPid(s.x(), s.mainWindow());
  const long long before = StatusBytes(pid, "VmRSS");
  const Point canvas = s.FromCanvas({0, 0});
  const auto started = std::chrono::steady_clock::now();
  pen().PressAt(FloodPoint(0));
  {
    Input::Batch together(s.input());
    for (long i = 1; i <= kFloodMoves; ++i) s.input().MoveTo(canvas + FloodPoint(i));
  }  // the batch ends with a round trip: the server has made every move
  const auto flooded = std::chrono::steady_clock::now();
  pen().Release();
  s.ClickAt(layout::Centre(layout::kClear));
  const Rect band = kFloodBand.Moved(canvas);
  ASSERT_TRUE(WaitUntil([&] { return Capture(s.x(), band).All(kWhite); }, 120s))
      << "the click on \"clear\" after the flood was never handled";
  const auto cleared = std::chrono::steady_clock::now();
  std::printf(
      "flood of %ld moves sent in %.0f ms; \"clear\" seen %.1f ms after its end\n",
      kFloodMoves, Milliseconds(flooded - started), Milliseconds(cleared - flooded));

  // The peak holds the recording at its largest, before the clear let it go.
  const long long growth = StatusBytes(pid, "VmHWM") - before;
  const double perMove = static_cast<double>(growth) / kFloodMoves;
  std::printf("resident set: %lld bytes before, peak %lld bytes more: %.2f B per move\n",
              before, growth, perMove);
  if (!kSanitized) {
    EXPECT_LE(perMove, kMostBytesPerMove);
  }

  // Still responsive: a new stroke draws, Esc ends the run as usual.
  const Path after{{100, 150}, {300, 150}};
  pen().Stroke(after);
  EXPECT_EQ(Describe(MissingInk(s.CaptureCanvas(), after)), "none");
  s.input().Tap(XK_Escape);
  EXPECT_EQ(s.program().WaitForExit(), 0);
}

using LongReplayTest = ProgramTest;

TEST_F(LongReplayTest, ReplayOf2000PiecesEndsOnExactlyThePictureItStartedFrom) {
  Session& s = Start();
  // 1,999 moves and the release: 2,000 recorded pieces.
  pen().Stroke(Zigzag(2000));
  const Image drawn = s.CaptureCanvas();
  s.ClickAt(layout::Centre(layout::kPlay));
  bool wiped = false;
  const bool back = WaitUntil(
      [&] {
        if (s.CaptureCanvas().Differences(drawn) == 0) return wiped;
        wiped = true;
        return false;
      },
      120s);
  ASSERT_TRUE(wiped) << "the canvas never changed after play";
  ASSERT_TRUE(back) << "the replay never came back to the drawing";
  // The fence is taken only once the replay has ended; the picture is still
  // the one drawn.
  pen().Fence();
  EXPECT_EQ(s.CaptureCanvas().Differences(drawn, Pen::kDrawingArea), 0);
}

}  // namespace
}  // namespace veskaro::e2e::stress
