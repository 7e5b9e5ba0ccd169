// The main window as it first appears: its place on a 1024 x 768 screen, with
// and without a window manager, its titles, and the layout of its client area.
#include <gtest/gtest.h>

#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"
#include "tests/e2e/harness/windows.h"

namespace veskaro::e2e {
namespace {

using WindowTest = ProgramTest;

// The window's ancestor that is a child of the root: the manager's frame.
Window TopAncestor(const XDisplay& x, Window w) {
  for (;;) {
    Window root = None, parent = None, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(x.get(), w, &root, &parent, &children, &count)) return None;
    if (children != nullptr) XFree(children);
    if (parent == root) return w;
    w = parent;
  }
}

TEST_F(WindowTest, WithoutWindowManagerClientAreaIsCentredAsIfFramed) {
  Session& s = Start();
  const Rect client = s.ClientOnScreen();
  const Rect outer = layout::kOuterOnScreen;
  EXPECT_EQ(client.width, layout::kUnframedWidth);
  EXPECT_EQ(client.height, layout::kUnframedHeight);
  // The frame it stands in for has equal sides and its caption on top.
  EXPECT_EQ(client.x - outer.x, outer.right() - client.right()) << client;
  EXPECT_GE(client.y - outer.y, outer.bottom() - client.bottom()) << client;
  EXPECT_GE(outer.bottom() - client.bottom(), 0) << client;
}

TEST_F(WindowTest, WithOpenboxOuterFrameIsCentred) {
  Session& s = Start({.manager = WindowManager::Openbox});
  XDisplay& x = s.x();
  Rect outer;
  auto centred = [&] {
    const std::optional<FrameExtents> f = NetFrameExtents(x, s.mainWindow());
    const std::optional<Rect> client = RootRect(x, s.mainWindow());
    if (!f || !client) return false;
    outer = {client->x - f->left, client->y - f->top, client->width + f->left + f->right,
             client->height + f->top + f->bottom};
    return outer == layout::kOuterOnScreen;
  };
  ASSERT_TRUE(WaitUntil(centred)) << "outer rectangle " << outer;
  // The frame the manager really made has that rectangle too.
  const std::optional<Rect> frame = Geometry(x, TopAncestor(x, s.mainWindow()));
  ASSERT_TRUE(frame);
  EXPECT_EQ(*frame, layout::kOuterOnScreen);
  // Its client area still holds every control at its declared place.
  const Rect client = s.ClientOnScreen();
  EXPECT_GE(client.width, layout::kCanvas.right());
  EXPECT_GE(client.height, layout::kClear.bottom());
}

TEST_F(WindowTest, TitleIsGivenAsUtf8AndAsLegacyName) {
  Session& s = Start();
  EXPECT_EQ(NetWmName(s.x(), s.mainWindow()), layout::kTitle);
  EXPECT_EQ(WmName(s.x(), s.mainWindow()), layout::kTitle);
}

// One pixel wider on every side.
Rect Ring(const Rect& r) { return {r.x - 1, r.y - 1, r.width + 2, r.height + 2}; }

int OutsideCount(const Image& image, Rgb colour, const Rect& inner) {
  const Rect ring = Ring(inner);
  return image.Count(colour, ring) - image.Count(colour, inner);
}

TEST_F(WindowTest, ClientAreaShowsWhiteCanvasAndButtonsOnPlainBackground) {
  Session& s = Start();
  const Image client = s.CaptureClient();
  const Rgb background = client.At({2, 2});
  EXPECT_NE(background, kWhite);
  EXPECT_NE(background, kBlack);
  EXPECT_TRUE(client.All(kWhite, layout::kCanvas));
  const Rect ring = Ring(layout::kCanvas);
  const int ringPixels =
      ring.width * ring.height - layout::kCanvas.width * layout::kCanvas.height;
  EXPECT_EQ(OutsideCount(client, background, layout::kCanvas), ringPixels)
      << "the canvas is not at (24, 24) of the client area, 448 x 336";
  for (const Rect& button : {layout::kClear, layout::kPlay}) {
    EXPECT_LT(client.Count(background, button), button.width * button.height)
        << "nothing drawn at " << button;
    const Rect around = Ring(button);
    EXPECT_EQ(OutsideCount(client, background, button),
              around.width * around.height - button.width * button.height)
        << "the button at " << button << " spills over its place";
  }
  EXPECT_TRUE(client.All(background, layout::kTimerSquare));
  // Everything outside the three controls is background.
  const int controls = layout::kCanvas.width * layout::kCanvas.height +
                       2 * layout::kClear.width * layout::kClear.height;
  EXPECT_EQ(client.Count(background) - client.Count(background, layout::kCanvas) -
                client.Count(background, layout::kClear) -
                client.Count(background, layout::kPlay),
            client.width() * client.height() - controls);
}

}  // namespace
}  // namespace veskaro::e2e
