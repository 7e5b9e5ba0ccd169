// The real Linux program on a real X server, driven by XTest and read back
// pixel by pixel.
// GoogleTest before Xlib, whose macros (None, Bool) it cannot stand.
// clang-format off
#include <gtest/gtest.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
// clang-format on

#include <memory>
#include <thread>
#include <utility>

#include "session.h"

namespace veskaro::e2e {
namespace {

using namespace std::chrono_literals;
using Path = std::vector<std::pair<int, int>>;

const std::string kTitle = "Veskaro 动画录制";

class ProgramTest : public ::testing::Test {
 protected:
  void Start(bool windowManager = false, const std::string& exe = VESKARO_PROGRAM,
             std::vector<std::string> env = {}) {
    server = std::make_unique<XServer>(windowManager);
    program = std::make_unique<Program>(*server, exe, std::move(env));
    driver = std::make_unique<Driver>(*server);
    main.window = driver->FindWindow(kTitle);
    ASSERT_NE(main.window, 0u) << program->Stderr();
    driver->Origin(main.window, main.clientX, main.clientY);
    ASSERT_TRUE(WaitUntil([&] { return Canvas().AllWhite(); }));
  }

  void TearDown() override {
    if (HasFailure() && driver && main.window != 0) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      driver->Grab(0, 0, 1024, 768)
          .SavePpm(std::string(VESKARO_FAILURE_DIR "/") + info->name() + ".ppm");
    }
  }

  Capture Canvas() { return driver->Grab(main.canvasX(), main.canvasY(), 448, 336); }
  Rgb CanvasPixel(int x, int y) {
    return driver->Grab(main.canvasX() + x, main.canvasY() + y, 1, 1).at(0, 0);
  }

  // Press at the first point, move through the middle ones, release at the last.
  void Drag(const Path& path) {
    driver->MoveTo(main.canvasX() + path.front().first,
                   main.canvasY() + path.front().second);
    driver->Press();
    for (std::size_t i = 1; i < path.size(); ++i) {
      driver->MoveTo(main.canvasX() + path[i].first, main.canvasY() + path[i].second);
    }
    driver->Release();
  }
  // A zig-zag of many pieces, so that a replay takes long enough to be seen.
  void Scribble(int pieces = 60) {
    Path path;
    for (int i = 0; i <= pieces; ++i) path.push_back({40 + i * 6, i % 2 ? 60 : 200});
    Drag(path);
    ASSERT_TRUE(WaitUntil(
        [&] { return CanvasPixel(40 + pieces * 6, pieces % 2 ? 60 : 200).black(); }));
  }
  // A short line in the bottom-right corner, drawn after the input under test:
  // once it shows, the program has handled everything sent before it.
  void Marker() {
    Drag({{400, 320}, {440, 320}});
    ASSERT_TRUE(WaitUntil([&] { return CanvasPixel(420, 320).black(); }));
  }
  // Black pixels outside the marker's corner.
  int InkAwayFromMarker() {
    const Capture c = Canvas();
    int n = 0;
    for (int y = 0; y < 300; ++y) {
      for (int x = 0; x < 448; ++x) n += c.at(x, y).black();
    }
    return n;
  }
  void ClickButton(int left) {
    driver->Click(main.clientX + left + 36, main.clientY + 388);
  }
  void ClickClear() { ClickButton(128); }
  void ClickPlay() { ClickButton(256); }
  // Waits for a replay to wipe the canvas and then to bring back `drawing`.
  void ExpectReplayOf(const Capture& drawing) {
    ASSERT_TRUE(WaitUntil([&] { return Canvas().CountBlack() < drawing.CountBlack(); }));
    EXPECT_TRUE(WaitUntil([&] { return Canvas() == drawing; }));
  }

  std::unique_ptr<XServer> server;
  std::unique_ptr<Program> program;
  std::unique_ptr<Driver> driver;
  MainWindow main;
};

TEST_F(ProgramTest, CentredAsIfFramedWithoutAWindowManager) {
  Start();
  XWindowAttributes a;
  XGetWindowAttributes(driver->display(), main.window, &a);
  EXPECT_EQ(a.width, 496);
  EXPECT_EQ(a.height, 416);
  EXPECT_EQ(main.clientX, 264);
  EXPECT_EQ(main.clientY, 185);
  // The margin beside the canvas is the face grey, the canvas white from its edge.
  const Capture edge = driver->Grab(main.canvasX() - 1, main.canvasY(), 2, 1);
  EXPECT_FALSE(edge.at(0, 0).white());
  EXPECT_TRUE(edge.at(1, 0).white());
}

TEST_F(ProgramTest, OuterFrameIsExactlyTheDeclaredRectangleUnderAWindowManager) {
  Start(true);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    if (data != nullptr) XFree(data);
    data = nullptr;
    XGetWindowProperty(driver->display(), main.window,
                       XInternAtom(driver->display(), "_NET_FRAME_EXTENTS", False), 0, 4,
                       False, XA_CARDINAL, &type, &format, &count, &after, &data);
    return data != nullptr && count == 4;
  }));
  const long* e = reinterpret_cast<long*>(data);  // left, right, top, bottom
  XWindowAttributes a;
  XGetWindowAttributes(driver->display(), main.window, &a);
  driver->Origin(main.window, main.clientX, main.clientY);
  EXPECT_EQ(main.clientX - e[0], 261);
  EXPECT_EQ(main.clientY - e[2], 163);
  EXPECT_EQ(a.width + e[0] + e[1], 502);
  EXPECT_EQ(a.height + e[2] + e[3], 441);
  XFree(data);
}

TEST_F(ProgramTest, StrokeStaysInsideTheCanvasAndReplaysToTheSamePixels) {
  Start();
  Scribble();
  Drag({{1, 1}, {446, 1}, {446, 334}, {1, 334}});  // along the very edges
  ASSERT_TRUE(WaitUntil([&] { return CanvasPixel(1, 334).black(); }));
  // Nothing is painted on the window around the canvas.
  EXPECT_EQ(driver->Grab(main.clientX, main.clientY, 496, 24).CountBlack(), 0);
  EXPECT_EQ(driver->Grab(main.clientX, main.canvasY(), 24, 336).CountBlack(), 0);
  EXPECT_EQ(driver->Grab(main.canvasX() + 448, main.canvasY(), 24, 336).CountBlack(), 0);
  const Capture drawing = Canvas();
  ClickPlay();
  ExpectReplayOf(drawing);
}

TEST_F(ProgramTest, ClearDuringAPlaybackLeavesAWhiteCanvasAndAnEmptyRecording) {
  Start();
  Scribble();
  ClickPlay();
  ClickClear();
  ASSERT_TRUE(WaitUntil([&] { return Canvas().AllWhite(); }));
  Marker();
  ClickPlay();  // the recording holds the marker alone
  ASSERT_TRUE(WaitUntil([&] { return !CanvasPixel(420, 320).black(); }));
  ASSERT_TRUE(WaitUntil([&] { return CanvasPixel(420, 320).black(); }));
  std::this_thread::sleep_for(300ms);  // twenty ticks: time for more to show
  EXPECT_EQ(InkAwayFromMarker(), 0);
}

TEST_F(ProgramTest, StrokeThatLeavesTheCanvasJoinsItsReentryWithOneStraightPiece) {
  Start();
  driver->MoveTo(main.canvasX() + 100, main.canvasY() + 100);
  driver->Press();
  driver->MoveTo(main.canvasX() + 200, main.canvasY() + 100);
  driver->MoveTo(main.canvasX() - 12, main.canvasY() + 100);  // out, over the margin
  driver->MoveTo(main.canvasX() - 12, main.canvasY() + 300);
  driver->MoveTo(main.canvasX() + 100, main.canvasY() + 300);  // back in
  driver->Release();
  ASSERT_TRUE(WaitUntil([&] { return CanvasPixel(150, 200).black(); }));  // the join
  EXPECT_TRUE(CanvasPixel(150, 100).black());
  EXPECT_TRUE(CanvasPixel(40, 100).white());  // where the pointer was outside
  EXPECT_TRUE(CanvasPixel(40, 300).white());
}

TEST_F(ProgramTest, PressesThatAreNotTheCanvasOwnStartNoStroke) {
  struct Case {
    const char* name;
    int pressX, pressY;  // relative to the client area
  };
  const Case cases[] = {
      {"beside the canvas", 10, 100},
      {"on the clear button", 128 + 36, 388},
  };
  Start();
  Drag({{20, 250}, {60, 250}});  // something for a click on clear to wipe
  ASSERT_TRUE(WaitUntil([&] { return CanvasPixel(40, 250).black(); }));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    driver->MoveTo(main.clientX + c.pressX, main.clientY + c.pressY);
    driver->Press();
    driver->MoveTo(main.canvasX() + 100, main.canvasY() + 100);
    driver->MoveTo(main.canvasX() + 300, main.canvasY() + 100);
    driver->Release();
    Marker();
    EXPECT_TRUE(CanvasPixel(200, 100).white());
    EXPECT_TRUE(CanvasPixel(40, 250).black());  // and the button did not click
  }
}

TEST_F(ProgramTest, SecondPressOfADoubleClickStartsNoStroke) {
  Start();
  driver->Click(main.canvasX() + 100, main.canvasY() + 100);
  driver->Press();
  driver->MoveTo(main.canvasX() + 300, main.canvasY() + 100);
  driver->Release();
  Marker();
  EXPECT_TRUE(CanvasPixel(200, 100).white());
}

TEST_F(ProgramTest, KeysWorkTheFocusedButton) {
  Start();
  Drag({{50, 50}, {150, 50}});
  ASSERT_TRUE(WaitUntil([&] { return CanvasPixel(100, 50).black(); }));
  driver->Key("Return");  // no default button: nothing
  Marker();
  EXPECT_TRUE(CanvasPixel(100, 50).black());
  driver->Key("space");  // "clear" has the focus at start
  ASSERT_TRUE(WaitUntil([&] { return Canvas().AllWhite(); }));

  Scribble();
  const Capture drawing = Canvas();
  driver->Key("Tab");
  driver->Key("space");  // "play"
  ExpectReplayOf(drawing);
  driver->Key("Tab", {"Shift_L"});
  driver->Key("space");  // "clear" again
  EXPECT_TRUE(WaitUntil([&] { return Canvas().AllWhite(); }));
}

TEST_F(ProgramTest, EscWithAModifierDoesNotClose) {
  Start();
  for (const char* modifier : {"Control_L", "Shift_L", "Alt_L"}) {
    driver->Key("Escape", {modifier});
  }
  Marker();
  EXPECT_TRUE(program->Running());
  driver->Key("Escape");
  EXPECT_EQ(program->WaitForExit(), 0);
}

TEST_F(ProgramTest, CloseRequestEndsWithExitCodeZero) {
  Start();
  Drag({{10, 10}, {30, 30}});
  Display* d = driver->display();
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = main.window;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, main.window, False, NoEventMask, &e);
  driver->Sync();
  EXPECT_EQ(program->WaitForExit(), 0);
}

TEST_F(ProgramTest, CoveredCanvasKeepsEverythingDrawnUnderTheCover) {
  Start();
  Scribble();
  const Capture drawing = Canvas();
  Display* d = driver->display();
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.background_pixel = 0x808080;  // grey: neither ink nor paper
  const Window cover =
      XCreateWindow(d, DefaultRootWindow(d), main.canvasX(), main.canvasY(), 200, 336, 0,
                    CopyFromParent, InputOutput, CopyFromParent,
                    CWOverrideRedirect | CWBackPixel, &attributes);
  XMapRaised(d, cover);
  driver->Sync();
  ClickPlay();  // the first pieces are drawn while covered
  // The last piece lies right of the cover: once it is back the replay is over.
  ASSERT_TRUE(WaitUntil([&] { return Canvas().CountBlack() < drawing.CountBlack(); }));
  ASSERT_TRUE(WaitUntil([&] { return CanvasPixel(400, 200).black(); }));
  XDestroyWindow(d, cover);
  driver->Sync();
  EXPECT_TRUE(WaitUntil([&] { return Canvas() == drawing; }));
}

TEST_F(ProgramTest, InputSentByAnotherClientChangesNothing) {
  Start();
  Display* d = driver->display();
  Window canvas = 0, root, parent, *children = nullptr;
  unsigned n = 0;
  XQueryTree(d, main.window, &root, &parent, &children, &n);
  for (unsigned i = 0; i < n; ++i) {
    XWindowAttributes a;
    XGetWindowAttributes(d, children[i], &a);
    if (a.width == 448 && a.height == 336) canvas = children[i];
  }
  if (children != nullptr) XFree(children);
  ASSERT_NE(canvas, 0u);
  auto send = [&](int type, int x, int y) {
    XEvent e{};
    e.type = type;
    e.xbutton.window = canvas;
    e.xbutton.root = root;
    e.xbutton.x = x;
    e.xbutton.y = y;
    e.xbutton.button = Button1;
    e.xbutton.state = type == ButtonPress ? 0 : Button1Mask;
    e.xbutton.same_screen = True;
    XSendEvent(d, canvas, True, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
               &e);
  };
  send(ButtonPress, 100, 100);
  send(MotionNotify, 300, 100);
  send(ButtonRelease, 300, 100);
  driver->Sync();
  Marker();
  EXPECT_EQ(InkAwayFromMarker(), 0);
}

struct FatalCase {
  const char* name;
  std::string setting;
  std::string message;
};

class FatalTest : public ProgramTest, public ::testing::WithParamInterface<FatalCase> {};

TEST_P(FatalTest, BoxNamesTheCauseAndReturnEndsWithMinusOne) {
  const FatalCase& c = GetParam();
  server = std::make_unique<XServer>();
  program = std::make_unique<Program>(*server, VESKARO_FAULTS,
                                      std::vector<std::string>{c.setting});
  driver = std::make_unique<Driver>(*server);
  ASSERT_NE(driver->FindWindow("错误"), 0u) << program->Stderr();
  EXPECT_EQ(driver->FindWindow(kTitle, 100ms), 0u);  // no main window was shown
  EXPECT_NE(program->Stderr().find("错误信息：" + c.message), std::string::npos)
      << program->Stderr();
  driver->Key("Return");
  EXPECT_EQ(program->WaitForExit(), 255);
}

INSTANTIATE_TEST_SUITE_P(
    AtStart, FatalTest,
    ::testing::Values(
        FatalCase{"PenPosition", "VESKARO_FAIL_ALLOCATION=1", "分配 8 字节内存失败!"},
        FatalCase{"Storage", "VESKARO_FAIL_ALLOCATION=2", "分配 1024 字节内存失败!"},
        FatalCase{"Window", "VESKARO_FAIL_WINDOW=1", "载入启动窗口失败"}),
    [](const auto& info) { return info.param.name; });

TEST_F(ProgramTest, FailedGrowthWhileDrawingStopsAllDrawing) {
  Start(false, VESKARO_FAULTS, {"VESKARO_FAIL_ALLOCATION=3"});  // the first growth
  driver->MoveTo(main.canvasX() + 10, main.canvasY() + 10);
  driver->Press();
  for (int i = 0; i < 80; ++i)
    driver->MoveTo(main.canvasX() + 10 + i * 5, main.canvasY() + 10 + (i % 2) * 100);
  ASSERT_NE(driver->FindWindow("错误"), 0u);
  const Capture atFailure = Canvas();
  for (int i = 0; i < 20; ++i)
    driver->MoveTo(main.canvasX() + 200, main.canvasY() + 200 + i * 5);
  std::this_thread::sleep_for(200ms);  // time for a wrongly drawn line to show
  EXPECT_TRUE(Canvas() == atFailure);
  EXPECT_TRUE(CanvasPixel(200, 250).white());
  EXPECT_NE(program->Stderr().find("分配 1536 字节内存失败!"), std::string::npos);
  driver->Release();
  driver->Key("Return");
  EXPECT_EQ(program->WaitForExit(), 255);
}

}  // namespace
}  // namespace veskaro::e2e
