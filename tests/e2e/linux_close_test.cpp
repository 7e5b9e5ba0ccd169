// Closing: Esc and the close request end the program with exit code 0,
// whatever it is doing; Esc with Ctrl, Shift or Alt does nothing.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/e2e/harness/windows.h"

namespace veskaro::e2e {
namespace {

enum class Moment { Idle, MidStroke, MidReplay };
enum class Closer { Esc, DeleteRequest, ManagerClose };

struct CloseCase {
  std::string name;
  WindowManager manager;
  Moment moment;
  Closer closer;
  friend std::ostream& operator<<(std::ostream& out, const CloseCase& c) {
    return out << c.name;
  }
};

class CloseTest : public ProgramTestWithParam<CloseCase> {
 protected:
  void Reach(Moment moment) {
    switch (moment) {
      case Moment::Idle:
        return;
      case Moment::MidStroke:  // the button stays down
        pen().PressAt({100, 100});
        return pen().DrawTo({200, 100});
      case Moment::MidReplay: {
        pen().Stroke(Line({20, 60}, {420, 60}, 5));
        const Image drawn = session().CaptureCanvas();
        session().ClickAt(layout::Centre(layout::kPlay));
        ASSERT_TRUE(WaitUntil([&] {
          return session().CaptureCanvas().Differences(drawn) > 0;
        })) << "the replay did not start";
        return;
      }
    }
  }
  void Close(Closer closer) {
    Session& s = session();
    switch (closer) {
      case Closer::Esc:
        return s.input().Tap(XK_Escape);
      case Closer::DeleteRequest:
        return SendDeleteWindow(s.x(), s.mainWindow());
      case Closer::ManagerClose:
        return AskManagerToClose(s.x(), s.mainWindow());
    }
  }
};

TEST_P(CloseTest, EndsWithExitCodeZero) {
  const CloseCase& c = GetParam();
  Session& s = Start({.manager = c.manager});
  Reach(c.moment);
  if (HasFatalFailure()) return;
  Close(c.closer);
  EXPECT_EQ(s.program().WaitForExit(), 0);
  EXPECT_EQ(s.program().Errors(), "");
}

constexpr WindowManager kBare = WindowManager::Absent;
constexpr WindowManager kOpenbox = WindowManager::Openbox;

INSTANTIATE_TEST_SUITE_P(
    Close, CloseTest,
    ::testing::Values(
        CloseCase{"EscWhenIdle", kBare, Moment::Idle, Closer::Esc},
        CloseCase{"EscDuringStroke", kBare, Moment::MidStroke, Closer::Esc},
        CloseCase{"EscDuringReplay", kBare, Moment::MidReplay, Closer::Esc},
        CloseCase{"DeleteRequestWhenIdle", kBare, Moment::Idle, Closer::DeleteRequest},
        CloseCase{"DeleteRequestDuringStroke", kBare, Moment::MidStroke,
                  Closer::DeleteRequest},
        CloseCase{"DeleteRequestDuringReplay", kBare, Moment::MidReplay,
                  Closer::DeleteRequest},
        CloseCase{"EscUnderOpenbox", kOpenbox, Moment::Idle, Closer::Esc},
        CloseCase{"OpenboxCloseWhenIdle", kOpenbox, Moment::Idle, Closer::ManagerClose},
        CloseCase{"OpenboxCloseDuringReplay", kOpenbox, Moment::MidReplay,
                  Closer::ManagerClose}),
    [](const auto& info) { return info.param.name; });

struct ModifiedEscCase {
  std::string name;
  std::vector<KeySym> modifiers;
  friend std::ostream& operator<<(std::ostream& out, const ModifiedEscCase& c) {
    return out << c.name;
  }
};

class ModifiedEscTest : public ProgramTestWithParam<ModifiedEscCase> {};

TEST_P(ModifiedEscTest, LeavesTheWindowOpen) {
  Session& s = Start();
  s.input().Tap(XK_Escape, GetParam().modifiers);
  pen().Fence();  // the key has been handled by now
  EXPECT_TRUE(s.program().Running());
  EXPECT_TRUE(IsShown(s.x(), s.mainWindow()));
  // Esc alone still closes it.
  s.input().Tap(XK_Escape);
  EXPECT_EQ(s.program().WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Close, ModifiedEscTest,
                         ::testing::Values(ModifiedEscCase{"Ctrl", {XK_Control_L}},
                                           ModifiedEscCase{"Shift", {XK_Shift_L}},
                                           ModifiedEscCase{"Alt", {XK_Alt_L}},
                                           ModifiedEscCase{"RightCtrl", {XK_Control_R}},
                                           ModifiedEscCase{"CtrlShift",
                                                           {XK_Control_L, XK_Shift_L}}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace veskaro::e2e
