// The canvas keeps its picture: covering and uncovering it, even while lines
// are drawn or replayed behind the cover, loses nothing.
#include <gtest/gtest.h>

#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"

namespace veskaro::e2e {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr unsigned long kRedPixel = 0xFF0000;

class ExposeTest : public ProgramTest {
 protected:
  // Maps a window of the test's own over the rectangle (canvas coordinates).
  std::unique_ptr<TestWindow> Cover(const Rect& onCanvas) {
    const Rect onScreen = onCanvas.Moved(session().FromCanvas({0, 0}));
    auto cover = std::make_unique<TestWindow>(session().x(), onScreen, kRedPixel,
                                              TestWindow::Kind::OverrideRedirect);
    cover->Map();
    EXPECT_TRUE(WaitUntil([&] { return Capture(session().x(), onScreen).All(kRed); }))
        << "the cover never showed";
    return cover;
  }
  void Uncover(std::unique_ptr<TestWindow> cover, const Rect& watched) {
    cover->Unmap();
    EXPECT_TRUE(WaitUntil([&] {
      return Capture(session().x(), watched).Count(kRed) == 0;
    })) << "the uncovered part was never repainted";
  }
};

TEST_F(ExposeTest, LinesDrawnWhileCoveredShowWhenUncovered) {
  Session& s = Start();
  const Path before = Line({20, 150}, {420, 150}, 20);
  pen().Stroke(before);
  auto cover = Cover({100, 90, 240, 120});
  // A zigzag whose corners at (150, 150) and (290, 150) lie under the cover;
  // each move is awaited on a visible point of its line, so none merge.
  const Path behind{{60, 40}, {150, 150}, {220, 260}, {290, 150}, {380, 40}};
  pen().PressAt(behind[0]);
  pen().DrawTo(behind[1], {87, 73});
  pen().DrawTo(behind[2]);
  pen().DrawTo(behind[3], {241, 227});
  pen().DrawTo(behind[4]);
  pen().Release();
  Uncover(std::move(cover), s.CanvasOnScreen());
  pen().Fence();
  const Image canvas = s.CaptureCanvas();
  EXPECT_EQ(Describe(MissingInk(canvas, before)), "none");
  EXPECT_EQ(Describe(MissingInk(canvas, behind)), "none");
  EXPECT_EQ(Describe(StrayInk(canvas, {before, behind}, Pen::kDrawingArea)), "none");
}

TEST_F(ExposeTest, WholeWindowComesBackAsItWas) {
  Session& s = Start();
  pen().Stroke(Line({20, 20}, {420, 300}, 20));
  const Image client = s.CaptureClient();
  const Rect all{-40, -40, layout::kCanvas.width + 80, layout::kCanvas.height + 120};
  auto cover = Cover(all);
  Uncover(std::move(cover), s.ClientOnScreen());
  EXPECT_EQ(s.CaptureClient().Differences(client), 0);
}

TEST_F(ExposeTest, ClearedCanvasStaysWhiteWhenUncovered) {
  Session& s = Start();
  pen().Stroke(Line({20, 150}, {420, 150}, 20));
  s.ClickAt(layout::Centre(layout::kClear));
  ASSERT_TRUE(WaitUntil([&] { return s.CaptureCanvas().All(kWhite); }));
  auto cover = Cover({100, 100, 250, 150});
  Uncover(std::move(cover), s.CanvasOnScreen());
  EXPECT_TRUE(s.CaptureCanvas().All(kWhite));
}

// A replay goes on behind a cover over the left half; the right half shows
// how far it got.
TEST_F(ExposeTest, ReplayBehindACoverIsCompleteWhenUncovered) {
  Session& s = Start();
  Path path = Line({20, 60}, {420, 60}, 10);
  for (const Point& p : Line({420, 100}, {20, 100}, 10)) path.push_back(p);
  for (const Point& p : Line({20, 140}, {420, 140}, 10)) path.push_back(p);
  pen().Stroke(path);
  const Image drawing = s.CaptureCanvas();
  auto cover = Cover({0, 0, 224, 200});
  s.ClickAt(layout::Centre(layout::kPlay));
  const Point third{400, 140};  // right of the cover, on the last row
  ASSERT_TRUE(WaitUntil([&] {
    const Point at = s.FromCanvas(third);
    return Capture(s.x(), {at.x, at.y, 1, 1}).At({0, 0}) == kBlack &&
           s.CaptureCanvas().Differences(drawing) > 0;
  })) << "the replay never reached the last row";
  Uncover(std::move(cover), s.CanvasOnScreen());
  pen().Fence();  // the replay is over
  EXPECT_EQ(s.CaptureCanvas().Differences(drawing, Pen::kDrawingArea), 0);
}

}  // namespace
}  // namespace veskaro::e2e
