// The fatal path, through the test-only build: a refused memory request or a
// main window that cannot be made shows the box captioned "错误" with the
// composed text (also on standard error), and after OK the exit code is 255.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/e2e/harness/windows.h"

namespace veskaro::e2e {
namespace {

constexpr int kFatalExitCode = 255;  // -1 as the exit status shows it

std::string ComposedText(const std::string& message) {
  return "运行时出错!\n\n错误信息：" + message + "\n";
}
std::string AllocationMessage(int bytes) {
  return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

// Standard error without carriage returns: on a terminal a line ends in \n.
std::string Lines(std::string text) {
  std::erase(text, '\r');
  return text;
}

// The box's OK button: its one child window.
Rect OkButton(const XDisplay& x, Window box) {
  const std::vector<Window> children = Children(x, box);
  if (children.size() != 1) throw std::runtime_error("the box has no single OK button");
  return *RootRect(x, children.front());
}

// --- failures at start-up ---------------------------------------------------

struct StartupCase {
  std::string name;
  Environment faults;
  std::string message;
  friend std::ostream& operator<<(std::ostream& out, const StartupCase& c) {
    return out << c.name;
  }
};

class StartupFailureTest : public ProgramTestWithParam<StartupCase> {};

TEST_P(StartupFailureTest, ShowsOnlyTheBoxAndReturnEndsWith255) {
  Session& s = Start({.build = Build::Faults, .environment = GetParam().faults}, false);
  const Window box = s.WaitForWindowTitled(layout::kFatalCaption);
  std::string errors;
  WaitUntil([&] {
    return (errors = Lines(s.program().Errors())) == ComposedText(GetParam().message);
  });
  EXPECT_EQ(errors, ComposedText(GetParam().message));
  // No main window was ever shown, not even for a moment.
  for (const Window w : s.MappedTopLevels())
    EXPECT_EQ(w, box) << "another window was mapped";
  EXPECT_TRUE(FindWindowsByTitle(s.x(), layout::kTitle).empty());
  ASSERT_TRUE(WaitUntil([&] { return HasKeyboardFocus(s.x(), box); }))
      << "the box never got the keyboard";
  s.input().Tap(XK_Return);
  EXPECT_EQ(s.program().WaitForExit(), kFatalExitCode);
}

INSTANTIATE_TEST_SUITE_P(Fatal, StartupFailureTest,
                         ::testing::Values(StartupCase{"PenPositionAllocation",
                                                       {{"VESKARO_FAIL_ALLOCATION", "1"}},
                                                       AllocationMessage(8)},
                                           StartupCase{"StorageAllocation",
                                                       {{"VESKARO_FAIL_ALLOCATION", "2"}},
                                                       AllocationMessage(1024)},
                                           StartupCase{"MainWindow",
                                                       {{"VESKARO_FAIL_WINDOW", "1"}},
                                                       "载入启动窗口失败"}),
                         [](const auto& info) { return info.param.name; });

// --- the ways to dismiss the box -------------------------------------------

struct DismissCase {
  std::string name;
  KeySym key;  // NoSymbol: a click on OK
  friend std::ostream& operator<<(std::ostream& out, const DismissCase& c) {
    return out << c.name;
  }
};

class DismissTest : public ProgramTestWithParam<DismissCase> {};

TEST_P(DismissTest, EndsWith255) {
  Session& s = Start(
      {.build = Build::Faults, .environment = {{"VESKARO_FAIL_ALLOCATION", "1"}}}, false);
  const Window box = s.WaitForWindowTitled(layout::kFatalCaption);
  ASSERT_TRUE(WaitUntil([&] { return HasKeyboardFocus(s.x(), box); }));
  if (GetParam().key == NoSymbol) {
    const Rect ok = OkButton(s.x(), box);
    s.input().MoveTo(layout::Centre(ok));
    s.input().Press();
    s.input().Release();
  } else {
    s.input().Tap(GetParam().key);
  }
  EXPECT_EQ(s.program().WaitForExit(), kFatalExitCode);
}

INSTANTIATE_TEST_SUITE_P(Fatal, DismissTest,
                         ::testing::Values(DismissCase{"Space", XK_space},
                                           DismissCase{"Esc", XK_Escape},
                                           DismissCase{"KeypadEnter", XK_KP_Enter},
                                           DismissCase{"ClickOnOk", NoSymbol}),
                         [](const auto& info) { return info.param.name; });

// --- failures while drawing ----------------------------------------------

enum class Provocation { FirstGrowth, FirstSegmentAfterClear };

struct RunCase {
  std::string name;
  Provocation provocation;
  int bytes;
  friend std::ostream& operator<<(std::ostream& out, const RunCase& c) {
    return out << c.name;
  }
};

class RunFailureTest : public ProgramTestWithParam<RunCase> {
 protected:
  // Leads to the failing request; true if the left button is down after it.
  bool Provoke(Provocation p) {
    Pen& pen = this->pen();
    if (p == Provocation::FirstGrowth) {
      // 64 segments fill the first storage; the 65th needs more.
      pen.PressAt({10, 30});
      for (int i = 1; i <= 64; ++i) pen.DrawTo({10 + 6 * i, 30});
      pen.DrawTo({10 + 6 * 65, 30});  // drawn before it is recorded
      return true;
    }
    pen.Stroke({{50, 30}});
    session().input().Tap(XK_space);  // "clear" has the focus
    EXPECT_TRUE(WaitUntil([&] { return session().CaptureCanvas().All(kWhite); }));
    pen.Stroke({{100, 30}});
    return false;
  }
};

// While the box is up nothing reaches the recorder: moves over the canvas
// (which is still mid-stroke) draw nothing. Pressing OK, whose look changes,
// shows that the box has handled everything before it.
TEST_P(RunFailureTest, BoxStopsDrawingAndOkEndsWith255) {
  Session& s =
      Start({.build = Build::Faults, .environment = {{"VESKARO_FAIL_ALLOCATION", "3"}}});
  const bool held = Provoke(GetParam().provocation);
  const Window box = s.WaitForWindowTitled(layout::kFatalCaption);
  if (held) s.input().Release();
  std::string errors;
  WaitUntil([&] {
    return (errors = Lines(s.program().Errors())) ==
           ComposedText(AllocationMessage(GetParam().bytes));
  });
  EXPECT_EQ(errors, ComposedText(AllocationMessage(GetParam().bytes)));

  const Rect boxOnCanvas = RootRect(s.x(), box)->Moved(Point{} - s.FromCanvas({0, 0}));
  const Path moves = Line({20, 60}, {420, 100}, 20);
  ASSERT_FALSE(boxOnCanvas.Overlaps({0, 0, 448, 110})) << "the box hides " << boxOnCanvas;
  const Image before = s.CaptureCanvas();
  for (const Point& p : moves) pen().MoveTo(p);
  const Rect ok = OkButton(s.x(), box);
  const Image okUp = Capture(s.x(), ok);
  s.input().MoveTo(layout::Centre(ok));
  s.input().Press();
  ASSERT_TRUE(WaitUntil([&] { return Capture(s.x(), ok).Differences(okUp) > 0; }))
      << "OK never looked pressed";
  const Image after = s.CaptureCanvas();
  EXPECT_EQ(after.Differences(before) - after.Differences(before, boxOnCanvas), 0)
      << "the canvas changed behind the box";
  s.input().Release();
  EXPECT_EQ(s.program().WaitForExit(), kFatalExitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Fatal, RunFailureTest,
    ::testing::Values(RunCase{"FirstGrowthOfTheStorage", Provocation::FirstGrowth, 1536},
                      RunCase{"FirstSegmentAfterClear",
                              Provocation::FirstSegmentAfterClear, 1024}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace veskaro::e2e
