// "play" wipes the canvas and redraws the recording piece by piece until the
// picture is back as drawn; "clear" stops that, wipes and forgets.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"

namespace veskaro::e2e {
namespace {

// Three rows joined at alternate ends, 10 pixels a piece: about 120 pieces,
// so a replay lasts long enough (15 ms each) to be watched on its way.
Path Snake() {
  Path path;
  for (int row = 0; row < 3; ++row) {
    const int y = 40 + 40 * row;
    const bool rightward = row % 2 == 0;
    for (int i = 0; i <= 38; ++i)
      path.push_back({rightward ? 30 + 10 * i : 410 - 10 * i, y});
    if (row < 2) {
      const int x = rightward ? 410 : 30;
      for (int dy = 10; dy < 40; dy += 10) path.push_back({x, y + dy});
    }
  }
  return path;
}

// How many of the path's points, from the first, are black; -1 if a later
// point is black while an earlier one is not (pieces drawn out of order).
int DrawnPrefix(const Image& canvas, const Path& path) {
  std::size_t prefix = 0;
  while (prefix < path.size() && canvas.At(path[prefix]) == kBlack) ++prefix;
  for (std::size_t i = prefix; i < path.size(); ++i) {
    if (canvas.At(path[i]) == kBlack) return -1;
  }
  return static_cast<int>(prefix);
}

// Black pixels of the image that the reference image does not have.
int ExtraInk(const Image& image, const Image& reference) {
  int extra = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      extra += image.At({x, y}) == kBlack && reference.At({x, y}) != kBlack;
    }
  }
  return extra;
}

class PlaybackTest : public ProgramTest {
 protected:
  void SetUp() override {
    Start();
    pen().Stroke(path);
    drawn = std::make_unique<Image>(session().CaptureCanvas());
  }
  void Play() { session().ClickAt(layout::Centre(layout::kPlay)); }
  void Clear() { session().ClickAt(layout::Centre(layout::kClear)); }
  // Waits until the replay has drawn at least `from` and fewer than `to` of
  // the path's points; returns what it last saw.
  int WaitForPrefix(int from, int to) {
    int prefix = 0;
    WaitUntil([&] {
      prefix = DrawnPrefix(session().CaptureCanvas(), path);
      return prefix >= from && prefix < to;
    });
    return prefix;
  }

  const Path path = Snake();
  std::unique_ptr<Image> drawn;
};

TEST_F(PlaybackTest, WipesThenRedrawsInOrderToExactlyTheSamePixels) {
  Play();
  bool wiped = false;
  std::ostringstream faults;
  const bool back = WaitUntil([&] {
    const Image now = session().CaptureCanvas();
    if (now.Differences(*drawn) == 0) return wiped;
    wiped = true;
    if (ExtraInk(now, *drawn) > 0) faults << " ink that was never drawn;";
    if (DrawnPrefix(now, path) < 0) faults << " pieces out of order;";
    return false;
  });
  EXPECT_TRUE(wiped) << "the canvas never changed after play";
  EXPECT_TRUE(back) << "the replay never came back to the drawing";
  EXPECT_EQ(faults.str(), "") << "on the way:" << faults.str();
}

TEST_F(PlaybackTest, PlayAgainDuringReplayStartsOverFromTheFirstPiece) {
  const int n = static_cast<int>(path.size());
  Play();
  ASSERT_GE(WaitForPrefix(n / 2, n), n / 2) << "the replay never got half way";
  Play();
  const int restarted = WaitForPrefix(0, n / 4);
  EXPECT_LT(restarted, n / 4) << "the second play did not wipe and start over";
  EXPECT_GE(restarted, 0) << "pieces out of order";
  EXPECT_TRUE(WaitUntil([&] {
    return session().CaptureCanvas().Differences(*drawn) == 0;
  })) << "the replay never came back to the drawing";
}

TEST_F(PlaybackTest, ClearDuringReplayLeavesWhiteAndPlayAfterwardsDrawsNothing) {
  Play();
  ASSERT_GE(WaitForPrefix(5, static_cast<int>(path.size()) / 2), 5);
  Clear();
  EXPECT_TRUE(WaitUntil([&] { return session().CaptureCanvas().All(kWhite); }));
  // Were the replay still going, the fence would find it drawing.
  pen().Fence();
  EXPECT_TRUE(session().CaptureCanvas().All(kWhite, Pen::kDrawingArea));
  Play();
  pen().Fence();  // returns once that replay is over
  EXPECT_TRUE(session().CaptureCanvas().All(kWhite, Pen::kDrawingArea))
      << "play after clear drew something";
}

TEST_F(PlaybackTest, PointerInputDuringReplayDrawsNothing) {
  Play();
  ASSERT_GE(WaitForPrefix(3, static_cast<int>(path.size())), 3);
  const Path scribble = Line({40, 250}, {400, 280}, 20);
  pen().PressAt(scribble.front());
  for (const Point& p : scribble) pen().MoveTo(p);
  pen().Release();
  pen().Fence();  // once the replay is over and input counts again
  const Image now = session().CaptureCanvas();
  EXPECT_EQ(now.Differences(*drawn, Pen::kDrawingArea), 0);
}

TEST_F(PlaybackTest, StrokesAfterReplayAreAddedToTheRecording) {
  Play();
  pen().Fence();
  pen().Stroke(Line({40, 250}, {400, 250}, 20));
  const Image both = session().CaptureCanvas();
  Play();
  bool wiped = false;
  const bool back = WaitUntil([&] {
    const int differences = session().CaptureCanvas().Differences(both);
    wiped = wiped || differences > 0;
    return wiped && differences == 0;
  });
  EXPECT_TRUE(back) << "the replay did not redraw old and new strokes"
                    << (wiped ? "" : " (the canvas never changed)");
}

}  // namespace
}  // namespace veskaro::e2e
