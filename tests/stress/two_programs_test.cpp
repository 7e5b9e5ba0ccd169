// Two programs side by side on one display: each keeps its own recording,
// replays only its own, and the second's end leaves the first running with
// its drawing.
#include <gtest/gtest.h>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_process.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/stress/driver.h"

namespace veskaro::e2e::stress {
namespace {

using TwoProgramsTest = ProgramTest;

// Clicks "play" and waits until the replay has wiped the canvas and come
// back to `drawing`.
testing::AssertionResult ReplaysTo(const XDisplay& x, Input& input, Window main,
                                   const Image& drawing) {
  ClickAt(x, input, main, layout::Centre(layout::kPlay));
  bool wiped = false;
  const bool back = WaitUntil([&] {
    if (CaptureCanvas(x, main).Differences(drawing) == 0) return wiped;
    wiped = true;
    return false;
  });
  if (!wiped) return testing::AssertionFailure() << "the canvas never changed after play";
  if (!back) return testing::AssertionFailure() << "the replay never came back";
  return testing::AssertionSuccess();
}

TEST_F(TwoProgramsTest, EachReplaysOnlyItsOwnRecording) {
  Session& s = Start();
  XDisplay& x = s.x();
  const Window first = s.mainWindow();
  Stroke(x, s.input(), first, Line({40, 40}, {400, 40}, 20));
  const Image firstDrawing = CaptureCanvas(x, first);

  // Without a window manager both windows take the same centred place, the
  // second on top.
  ProgramProcess other(VESKARO_E2E_PROGRAM, s.server().display());
  const Window second = WaitForMainWindow(x, {first});
  Stroke(x, s.input(), second, Line({40, 200}, {400, 200}, 20));
  const Image secondDrawing = CaptureCanvas(x, second);
  EXPECT_TRUE(secondDrawing.All(kWhite, {0, 20, 448, 40}))
      << "the second canvas shows the first one's stroke";
  EXPECT_TRUE(ReplaysTo(x, s.input(), second, secondDrawing));

  RequestClose(x, second);
  EXPECT_EQ(other.WaitForExit(), 0);
  // The first is uncovered and shows its own drawing again, and replays it.
  ASSERT_TRUE(s.program().Running());
  EXPECT_TRUE(WaitUntil([&] {
    return CaptureCanvas(x, first).Differences(firstDrawing) == 0;
  })) << "the first canvas does not show its own drawing";
  EXPECT_TRUE(ReplaysTo(x, s.input(), first, firstDrawing));
  RequestClose(x, first);
  EXPECT_EQ(s.program().WaitForExit(), 0);
}

}  // namespace
}  // namespace veskaro::e2e::stress
