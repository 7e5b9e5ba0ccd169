// Every launch is a program of its own: its own window and recording, and
// closing one copy leaves the other running as it was.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/outcome.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/e2e/harness/windows.h"

namespace veskaro::e2e {
namespace {

using TwoCopiesTest = ProgramTest;

TEST_F(TwoCopiesTest, ClosingTheSecondLeavesTheFirstWithItsOwnDrawing) {
  Session& s = Start();
  pen().Stroke(Line({40, 60}, {400, 60}, 10));
  const Image firstDrawing = s.CaptureCanvas();

  ProgramProcess second(VESKARO_E2E_PROGRAM, s.server().display());
  Window other = None;
  ASSERT_TRUE(WaitUntil([&] {
    for (const Window w : FindWindowsByTitle(s.x(), layout::kTitle)) {
      if (w != s.mainWindow() && IsShown(s.x(), w)) other = w;
    }
    return other != None;
  })) << "the second copy showed no window";
  // With no window manager both stand at the same place, the second on top.
  ASSERT_EQ(RootRect(s.x(), other), RootRect(s.x(), s.mainWindow()));
  ASSERT_TRUE(WaitUntil([&] { return s.CaptureCanvas().All(kWhite); }))
      << "the second copy's canvas is not blank";
  pen().Stroke(Line({40, 200}, {400, 200}, 10));
  ASSERT_TRUE(WaitUntil([&] { return HasKeyboardFocus(s.x(), other); }));
  s.input().Tap(XK_Escape);
  EXPECT_EQ(second.WaitForExit(), 0);

  EXPECT_TRUE(s.program().Running());
  EXPECT_TRUE(WaitUntil([&] { return s.CaptureCanvas().Differences(firstDrawing) == 0; }))
      << "the first copy did not come back as it was";
  s.ClickAt(layout::Centre(layout::kPlay));
  ExpectClicked(s, pen(), firstDrawing, Clicked::Play);
}

}  // namespace
}  // namespace veskaro::e2e
