// Closing the window in the middle of things: during a stroke (the button
// still held) and during a replay, by Esc and by the close request a window
// manager sends. The run ends as any run does: exit code 0 and nothing on
// standard error (under the asan preset LeakSanitizer reports there, and
// fails the exit code, if anything was left unreleased).
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/stress/driver.h"

namespace veskaro::e2e::stress {
namespace {

enum class Moment { DuringStroke, DuringReplay };
enum class Way { Escape, CloseRequest };

struct CloseCase {
  const char* name;
  Moment moment;
  Way way;
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

class CloseTest : public ProgramTestWithParam<CloseCase> {
 protected:
  void HoldAStroke() {
    pen().PressAt({20, 20});
    for (const Point& p : Line({30, 20}, {200, 120}, 10)) pen().DrawTo(p);
  }
  // Waits until the replay has wiped the canvas and drawn part of it again.
  void RunAReplay() {
    pen().Stroke(Zigzag(300));
    const Image drawn = session().CaptureCanvas();
    session().ClickAt(layout::Centre(layout::kPlay));
    ASSERT_TRUE(WaitUntil([&] {
      const Image now = session().CaptureCanvas();
      return now.Count(kBlack) > 0 && now.Count(kBlack) < drawn.Count(kBlack) / 2;
    })) << "the replay was never seen half-way";
  }
};

TEST_P(CloseTest, EndsWithExitCodeZeroAndNothingReported) {
  const CloseCase& c = GetParam();
  Session& s = Start();
  if (c.moment == Moment::DuringStroke) {
    HoldAStroke();
  } else {
    RunAReplay();
  }
  if (c.way == Way::Escape) {
    s.input().Tap(XK_Escape);
  } else {
    RequestClose(s.x(), s.mainWindow());
  }
  EXPECT_EQ(s.program().WaitForExit(), 0);
  EXPECT_EQ(s.program().Errors(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Moments, CloseTest,
    ::testing::Values(
        CloseCase{"EscDuringStroke", Moment::DuringStroke, Way::Escape},
        CloseCase{"CloseRequestDuringStroke", Moment::DuringStroke, Way::CloseRequest},
        CloseCase{"EscDuringReplay", Moment::DuringReplay, Way::Escape},
        CloseCase{"CloseRequestDuringReplay", Moment::DuringReplay, Way::CloseRequest}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veskaro::e2e::stress
