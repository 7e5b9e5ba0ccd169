// Input events that another client forges with XSendEvent change nothing:
// not on the canvas, not on a button, not as keys.
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

// The program's child window at the place in the client area.
Window ChildAt(const XDisplay& x, Window parent, const Rect& place) {
  for (const Window child : Children(x, parent)) {
    if (Geometry(x, child) == place) return child;
  }
  throw std::runtime_error("no child window at the declared place");
}

// Sends one event as a client can, to the window's owner only.
void Forge(const XDisplay& x, Window to, int type, Point at, unsigned detail) {
  XEvent e{};
  e.xany.type = type;
  e.xany.window = to;
  if (type == KeyPress || type == KeyRelease) {
    e.xkey.root = x.root();
    e.xkey.time = CurrentTime;
    e.xkey.keycode = detail;
    e.xkey.same_screen = True;
  } else if (type == MotionNotify) {
    e.xmotion.root = x.root();
    e.xmotion.x = at.x, e.xmotion.y = at.y;
    e.xmotion.state = Button1Mask;
    e.xmotion.same_screen = True;
  } else {
    e.xbutton.root = x.root();
    e.xbutton.x = at.x, e.xbutton.y = at.y;
    e.xbutton.button = detail;
    e.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
    e.xbutton.same_screen = True;
  }
  XSendEvent(x.get(), to, False, NoEventMask, &e);
  x.Sync();
}

enum class Target { Canvas, Clear, Play, MainWindow };

struct ForgedCase {
  std::string name;
  Target target;
  std::vector<int> types;  // in order, at the points / with the key below
  std::vector<Point> points;
  KeySym key = NoSymbol;
  friend std::ostream& operator<<(std::ostream& out, const ForgedCase& c) {
    return out << c.name;
  }
};

class ForgedInputTest : public ProgramTestWithParam<ForgedCase> {
 protected:
  Window TargetWindow(Target target) {
    Session& s = session();
    switch (target) {
      case Target::Canvas:
        return ChildAt(s.x(), s.mainWindow(), layout::kCanvas);
      case Target::Clear:
        return ChildAt(s.x(), s.mainWindow(), layout::kClear);
      case Target::Play:
        return ChildAt(s.x(), s.mainWindow(), layout::kPlay);
      case Target::MainWindow:
        return s.mainWindow();
    }
    return None;
  }
};

TEST_P(ForgedInputTest, ChangesNothing) {
  Session& s = Start();
  const ForgedCase& c = GetParam();
  pen().Stroke(Line({40, 60}, {400, 60}, 10));
  const Image drawing = s.CaptureCanvas();
  const Window to = TargetWindow(c.target);
  const unsigned keycode = c.key == NoSymbol ? 0 : XKeysymToKeycode(s.x().get(), c.key);
  for (std::size_t i = 0; i < c.types.size(); ++i) {
    const bool key = c.types[i] == KeyPress || c.types[i] == KeyRelease;
    Forge(s.x(), to, c.types[i], i < c.points.size() ? c.points[i] : Point{},
          key ? keycode : Button1);
  }
  ExpectClicked(s, pen(), drawing, Clicked::Nothing);
  EXPECT_TRUE(s.program().Running()) << "the program ended";
}

const std::vector<int> kClick{ButtonPress, ButtonRelease};
const std::vector<int> kKey{KeyPress, KeyRelease};

INSTANTIATE_TEST_SUITE_P(
    ForgedInput, ForgedInputTest,
    ::testing::Values(
        ForgedCase{"StrokeOnCanvas",
                   Target::Canvas,
                   {ButtonPress, MotionNotify, MotionNotify, ButtonRelease},
                   {{100, 200}, {250, 250}, {400, 200}, {400, 200}}},
        ForgedCase{"ClickOnClear", Target::Clear, kClick, {{36, 20}, {36, 20}}},
        ForgedCase{"ClickOnPlay", Target::Play, kClick, {{36, 20}, {36, 20}}},
        ForgedCase{"SpaceForTheFocusedClear", Target::MainWindow, kKey, {}, XK_space},
        ForgedCase{"Esc", Target::MainWindow, kKey, {}, XK_Escape}),
    [](const auto& info) { return info.param.name; });

class ForgedMoveTest : public ProgramTest {};

// In the middle of a real stroke, where any real move would draw.
TEST_F(ForgedMoveTest, DuringARealStrokeDrawsNothing) {
  Session& s = Start();
  const Point a{100, 100}, b{200, 100}, d{300, 100};
  pen().PressAt(a);
  pen().DrawTo(b);
  Forge(s.x(), ChildAt(s.x(), s.mainWindow(), layout::kCanvas), MotionNotify, {250, 250},
        0);
  pen().DrawTo(d);
  pen().Release();
  pen().Fence();
  const Image canvas = s.CaptureCanvas();
  EXPECT_EQ(Describe(MissingInk(canvas, {a, b, d})), "none");
  EXPECT_EQ(Describe(StrayInk(canvas, {{a, b, d}}, Pen::kDrawingArea)), "none");
}

}  // namespace
}  // namespace veskaro::e2e
