// The keyboard: "clear" has the focus at start, Tab and Shift+Tab move it
// between the two buttons, Space clicks the focused one, Enter clicks none.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/outcome.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/e2e/harness/windows.h"

namespace veskaro::e2e {
namespace {

struct Keystroke {
  KeySym key;
  std::vector<KeySym> modifiers;
};
const Keystroke kTab{XK_Tab, {}};
const Keystroke kShiftTab{XK_Tab, {XK_Shift_L}};

// Two rows of pieces 10 pixels long: a replay takes over a second.
Path TwoRows() {
  Path path = Line({20, 60}, {420, 60}, 10);
  for (const Point& p : Line({420, 100}, {20, 100}, 10)) path.push_back(p);
  return path;
}

template <class Param>
class KeyboardTestBase : public ProgramTestWithParam<Param> {
 protected:
  Session& StartAndDraw(const SessionOptions& options = {}) {
    Session& s = this->Start(options);
    this->pen().Stroke(TwoRows());
    drawn_ = std::make_unique<Image>(s.CaptureCanvas());
    return s;
  }
  void Type(const std::vector<Keystroke>& keys) {
    for (const Keystroke& k : keys) this->session().input().Tap(k.key, k.modifiers);
  }
  void ExpectClicked(Clicked button) {
    e2e::ExpectClicked(this->session(), this->pen(), *drawn_, button);
  }

  std::unique_ptr<Image> drawn_;
};

// --- which button Space clicks --------------------------------------------

struct FocusCase {
  std::string name;
  std::vector<Keystroke> keys;  // typed before Space
  Clicked expected;
  friend std::ostream& operator<<(std::ostream& out, const FocusCase& c) {
    return out << c.name;
  }
};

class FocusTest : public KeyboardTestBase<FocusCase> {};

TEST_P(FocusTest, SpaceClicksTheFocusedButton) {
  StartAndDraw();
  Type(GetParam().keys);
  session().input().Tap(XK_space);
  ExpectClicked(GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, FocusTest,
    ::testing::Values(FocusCase{"ClearAtStart", {}, Clicked::Clear},
                      FocusCase{"TabToPlay", {kTab}, Clicked::Play},
                      FocusCase{"ShiftTabToPlay", {kShiftTab}, Clicked::Play},
                      FocusCase{"TabThenShiftTabBack", {kTab, kShiftTab}, Clicked::Clear},
                      FocusCase{"TabTwiceWrapsAround", {kTab, kTab}, Clicked::Clear}),
    [](const auto& info) { return info.param.name; });

// A click on a button gives it the focus; a click on the canvas does not.
class ClickFocusTest : public KeyboardTestBase<::testing::Test> {};

TEST_F(ClickFocusTest, ClickedButtonTakesTheFocusAndCanvasNever) {
  Session& s = StartAndDraw();
  s.ClickAt(layout::Centre(layout::kPlay));
  pen().Fence();               // the replay is over
  pen().Stroke({{300, 200}});  // a click on the canvas
  drawn_ = std::make_unique<Image>(s.CaptureCanvas());
  s.input().Tap(XK_space);
  ExpectClicked(Clicked::Play);
}

// --- keys that click nothing -------------------------------------------------

struct InertKeyCase {
  std::string name;
  std::vector<Keystroke> keys;
  friend std::ostream& operator<<(std::ostream& out, const InertKeyCase& c) {
    return out << c.name;
  }
};

class InertKeyTest : public KeyboardTestBase<InertKeyCase> {};

TEST_P(InertKeyTest, ClicksNothing) {
  StartAndDraw();
  Type(GetParam().keys);
  ExpectClicked(Clicked::Nothing);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, InertKeyTest,
    ::testing::Values(InertKeyCase{"ReturnOnClear", {{XK_Return, {}}}},
                      InertKeyCase{"ReturnOnPlay", {kTab, {XK_Return, {}}}},
                      InertKeyCase{"KeypadEnterOnPlay", {kTab, {XK_KP_Enter, {}}}},
                      InertKeyCase{"AltCOnClear", {{XK_c, {XK_Alt_L}}}},
                      InertKeyCase{"AltPOnClear", {{XK_p, {XK_Alt_L}}}},
                      InertKeyCase{"F1", {{XK_F1, {}}}}),
    [](const auto& info) { return info.param.name; });

// --- activation (needs a window manager) -----------------------------------

struct ActivationCase {
  std::string name;
  std::vector<Keystroke> keys;  // before switching away
  Clicked expected;
  friend std::ostream& operator<<(std::ostream& out, const ActivationCase& c) {
    return out << c.name;
  }
};

class ActivationTest : public KeyboardTestBase<ActivationCase> {};

TEST_P(ActivationTest, FocusGoesBackToTheButtonThatHadIt) {
  Session& s = StartAndDraw({.manager = WindowManager::Openbox});
  Type(GetParam().keys);
  const TestWindow other(s.x(), {0, 0, 200, 100}, 0x3060C0, TestWindow::Kind::Managed);
  other.Map();
  AskManagerToActivate(s.x(), other.get());
  ASSERT_TRUE(WaitUntil([&] { return HasKeyboardFocus(s.x(), other.get()); }))
      << "the other window never got the keyboard";
  AskManagerToActivate(s.x(), s.mainWindow());
  ASSERT_TRUE(WaitUntil([&] { return HasKeyboardFocus(s.x(), s.mainWindow()); }))
      << "the program's window never got the keyboard back";
  s.input().Tap(XK_space);
  ExpectClicked(GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, ActivationTest,
                         ::testing::Values(ActivationCase{"Play", {kTab}, Clicked::Play},
                                           ActivationCase{"Clear", {}, Clicked::Clear}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace veskaro::e2e
