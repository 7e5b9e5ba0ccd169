// The pointer's shape: the program's own 32 x 32 black-and-white hand, hot
// spot at the fingertip (6, 1), over the canvas only; the arrow elsewhere.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness/cursor.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"

namespace veskaro::e2e {
namespace {

enum class Shape { Hand, Arrow, NotOurs };

struct PlaceCase {
  std::string name;
  Point client;  // where the pointer goes, in client coordinates
  Shape expected;
  friend std::ostream& operator<<(std::ostream& out, const PlaceCase& c) {
    return out << c.name;
  }
};

bool IsHand(const PointerImage& c) {
  return c.width == 32 && c.height == 32 && c.xhot == 6 && c.yhot == 1 &&
         c.BlackAndWhite();
}

class PointerShapeTest : public ProgramTestWithParam<PlaceCase> {};

TEST_P(PointerShapeTest, IsTheHandOverTheCanvasOnly) {
  Session& s = Start();
  // The arrow as the window's background shows it, for comparison.
  s.input().MoveTo(s.FromClient({10, 10}));
  PointerImage arrow;
  ASSERT_TRUE(WaitUntil([&] { return !IsHand(arrow = CurrentCursor(s.x())); }));
  s.input().MoveTo(s.FromClient(GetParam().client));
  PointerImage seen;
  const auto matches = [&] {
    seen = CurrentCursor(s.x());
    switch (GetParam().expected) {
      case Shape::Hand:
        return IsHand(seen);
      case Shape::Arrow:
        return seen == arrow;
      case Shape::NotOurs:
        return !IsHand(seen) && !(seen == arrow);
    }
    return false;
  };
  EXPECT_TRUE(WaitUntil(matches))
      << "pointer " << seen.width << "x" << seen.height << " hot spot (" << seen.xhot
      << ", " << seen.yhot << ")";
}

constexpr Point kCanvasCorner{layout::kCanvas.x, layout::kCanvas.y};

INSTANTIATE_TEST_SUITE_P(
    PointerShape, PointerShapeTest,
    ::testing::Values(
        PlaceCase{"CanvasCentre", layout::Centre(layout::kCanvas), Shape::Hand},
        PlaceCase{"CanvasTopLeftPixel", kCanvasCorner, Shape::Hand},
        PlaceCase{"CanvasBottomRightPixel",
                  {layout::kCanvas.right() - 1, layout::kCanvas.bottom() - 1},
                  Shape::Hand},
        PlaceCase{"JustLeftOfTheCanvas", {layout::kCanvas.x - 1, 100}, Shape::Arrow},
        PlaceCase{"Clear", layout::Centre(layout::kClear), Shape::Arrow},
        PlaceCase{"Play", layout::Centre(layout::kPlay), Shape::Arrow},
        PlaceCase{"TimerSquare", layout::Centre(layout::kTimerSquare), Shape::Arrow},
        PlaceCase{"BeyondTheWindow", {-100, 100}, Shape::NotOurs}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace veskaro::e2e
