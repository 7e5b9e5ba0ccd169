// Strokes drawn with the left button: black 4-pixel lines along the pointer's
// path, nothing anywhere else, nothing outside the canvas.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/program_test.h"

namespace veskaro::e2e {
namespace {

struct StrokeCase {
  std::string name;
  Path points;  // press at the first, moves to the others, release at the last
  friend std::ostream& operator<<(std::ostream& out, const StrokeCase& c) {
    return out << c.name;
  }
};

Path Joined(std::initializer_list<Path> parts) {
  Path all;
  for (const Path& part : parts) {
    for (const Point& p : part) {
      if (all.empty() || !(all.back() == p)) all.push_back(p);
    }
  }
  return all;
}

class StrokeTest : public ProgramTestWithParam<StrokeCase> {};

TEST_P(StrokeTest, DrawsAlongThePathAndNowhereElse) {
  Session& s = Start();
  const Image clientBefore = s.CaptureClient();
  pen().Stroke(GetParam().points);
  pen().Fence();
  const Image canvas = s.CaptureCanvas();
  EXPECT_EQ(Describe(MissingInk(canvas, GetParam().points)), "none");
  EXPECT_EQ(Describe(StrayInk(canvas, {GetParam().points}, Pen::kDrawingArea)), "none");
  const Image clientAfter = s.CaptureClient();
  EXPECT_EQ(clientAfter.Differences(clientBefore) -
                clientAfter.Differences(clientBefore, layout::kCanvas),
            0)
      << "pixels changed outside the canvas";
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, StrokeTest,
    ::testing::Values(
        StrokeCase{"Horizontal", Line({40, 60}, {400, 60}, 20)},
        StrokeCase{"Diagonal", Line({30, 30}, {300, 280}, 15)},
        StrokeCase{"SharpCorners", Joined({Line({50, 250}, {150, 50}, 20),
                                           Line({150, 50}, {250, 250}, 20),
                                           Line({250, 250}, {350, 50}, 20)})},
        // Up to the outermost pixels: the round caps reach past the canvas,
        // which must clip them.
        StrokeCase{"AlongTheEdges",
                   Joined({Line({0, 0}, {447, 0}, 30), Line({447, 0}, {447, 300}, 30),
                           Line({447, 300}, {0, 300}, 30), Line({0, 300}, {0, 10}, 30)})},
        StrokeCase{"Click", {{200, 150}}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace veskaro::e2e
