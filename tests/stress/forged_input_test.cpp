// Input that another client forges with XSendEvent (send_event set) reaches
// the buttons and the keyboard like the real thing, and changes nothing: no
// click on "clear" or "play", no Space on the focused button, no Esc. (The
// canvas's own forged presses and moves are tested with the program's other
// end-to-end tests.)
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/e2e/harness/windows.h"
#include "tests/stress/driver.h"

namespace veskaro::e2e::stress {
namespace {

// The child window of the main window that sits at the rectangle.
Window ChildAt(const XDisplay& x, Window main, const Rect& place) {
  for (const Window w : Children(x, main)) {
    if (Geometry(x, w) == place) return w;
  }
  return None;
}

void SendButton(const XDisplay& x, Window to, int type, const Rect& place) {
  XEvent e{};
  e.xbutton.type = type;
  e.xbutton.window = to;
  e.xbutton.root = x.root();
  e.xbutton.x = place.width / 2;
  e.xbutton.y = place.height / 2;
  e.xbutton.button = Button1;
  e.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
  e.xbutton.same_screen = True;
  XSendEvent(x.get(), to, True, ButtonPressMask | ButtonReleaseMask, &e);
}

void ForgeClick(const XDisplay& x, Window main, const Rect& button) {
  const Window w = ChildAt(x, main, button);
  ASSERT_NE(w, static_cast<Window>(None)) << "no button window at " << button;
  SendButton(x, w, ButtonPress, button);
  SendButton(x, w, ButtonRelease, button);
  x.Sync();
}

// To the main window, which holds the keyboard focus and hands keys on to
// the focused button.
void ForgeKey(const XDisplay& x, Window main, KeySym key) {
  for (const int type : {KeyPress, KeyRelease}) {
    XEvent e{};
    e.xkey.type = type;
    e.xkey.window = main;
    e.xkey.root = x.root();
    e.xkey.keycode = XKeysymToKeycode(x.get(), key);
    e.xkey.same_screen = True;
    XSendEvent(x.get(), main, True, KeyPressMask | KeyReleaseMask, &e);
  }
  x.Sync();
}

struct ForgedCase {
  const char* name;
  std::function<void(const XDisplay&, Window)> forge;
};

void PrintTo(const ForgedCase& c, std::ostream* out) { *out << c.name; }

class ForgedInputTest : public ProgramTestWithParam<ForgedCase> {};

TEST_P(ForgedInputTest, ChangesNothing) {
  Session& s = Start();
  pen().Stroke(Line({40, 60}, {400, 200}, 20));
  const Image drawn = s.CaptureCanvas();
  GetParam().forge(s.x(), s.mainWindow());
  // A real click at a fresh spot, handled only after the forged events and
  // only if no replay runs: a forged "play" obeyed would drop it for good.
  const Point spot{200, 300};
  pen().PressAt(spot);
  pen().Release();
  ASSERT_TRUE(WaitUntil([&] { return s.CaptureCanvas().At(spot) == kBlack; }))
      << "the canvas took no real click after the forged input";
  EXPECT_TRUE(s.program().Running());
  const Rect above{0, 0, 448, 280};
  EXPECT_EQ(s.CaptureCanvas().Differences(drawn, above), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ForgedInputTest,
    ::testing::Values(
        ForgedCase{"ClickOnClear",
                   [](const XDisplay& x, Window m) { ForgeClick(x, m, layout::kClear); }},
        ForgedCase{"ClickOnPlay",
                   [](const XDisplay& x, Window m) { ForgeClick(x, m, layout::kPlay); }},
        ForgedCase{"SpaceOnTheFocusedClear",
                   [](const XDisplay& x, Window m) { ForgeKey(x, m, XK_space); }},
        ForgedCase{"Escape",
                   [](const XDisplay& x, Window m) { ForgeKey(x, m, XK_Escape); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veskaro::e2e::stress
