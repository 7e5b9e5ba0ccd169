// Where pointer events go: the canvas holds no grip on the pointer, a button
// does, and the second press of a double click is no press.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness/ink.h"
#include "tests/e2e/harness/layout.h"
#include "tests/e2e/harness/outcome.h"
#include "tests/e2e/harness/program_test.h"

namespace veskaro::e2e {
namespace {

// Canvas coordinates of points beside the canvas: on the main window's own
// background, and beyond the window on the bare screen.
constexpr Point kRightBackground{460, 0};
constexpr Point kBeyondWindow{600, 0};

void ExpectInk(Session& s, const std::vector<Path>& paths) {
  const Image canvas = s.CaptureCanvas();
  for (const Path& path : paths) {
    EXPECT_EQ(Describe(MissingInk(canvas, path)), "none") << "along " << path.front();
  }
  EXPECT_EQ(Describe(StrayInk(canvas, paths, Pen::kDrawingArea)), "none");
}

// --- leaving the canvas and coming back ----------------------------------

struct LeaveCase {
  std::string name;
  Point outside;        // x where the pointer goes beside the canvas
  bool releaseOutside;  // else the button stays down until it is back
  friend std::ostream& operator<<(std::ostream& out, const LeaveCase& c) {
    return out << c.name;
  }
};

class LeaveAndComeBackTest : public ProgramTestWithParam<LeaveCase> {};

// Press at A, draw to B near the right edge, leave, wander, come back at D far
// from B and draw on to E: a straight piece joins B to D.
TEST_P(LeaveAndComeBackTest, JoinsLastInsidePositionToReEntryInOneStraightPiece) {
  Session& s = Start();
  const LeaveCase& c = GetParam();
  const Path inside = Line({100, 60}, {440, 60}, 20);
  const Point b = inside.back(), d{250, 250}, e{100, 250};
  const Image screenBefore = s.CaptureScreen();
  pen().PressAt(inside.front());
  for (std::size_t i = 1; i < inside.size(); ++i) pen().DrawTo(inside[i]);
  pen().MoveTo({c.outside.x, 60});
  pen().MoveTo({c.outside.x, 250});
  if (c.releaseOutside) pen().Release();
  pen().DrawTo(d);
  pen().DrawTo(e);
  // End the stroke where it is: a press (restarting it at E) and a release.
  if (c.releaseOutside) pen().PressAt(e);
  pen().Release();
  pen().Fence();
  ExpectInk(s, {inside, {b, d}, {d, e}});
  const Image screen = s.CaptureScreen();
  EXPECT_EQ(screen.Differences(screenBefore) -
                screen.Differences(screenBefore, s.CanvasOnScreen()),
            0)
      << "the screen changed outside the canvas";
}

INSTANTIATE_TEST_SUITE_P(
    PointerRouting, LeaveAndComeBackTest,
    ::testing::Values(LeaveCase{"HeldOverWindowBackground", kRightBackground, false},
                      LeaveCase{"ReleasedOverWindowBackground", kRightBackground, true},
                      LeaveCase{"HeldBeyondTheWindow", kBeyondWindow, false},
                      LeaveCase{"ReleasedBeyondTheWindow", kBeyondWindow, true}),
    [](const auto& info) { return info.param.name; });

// --- a press beside the canvas, dragged onto it --------------------------

class PointerTest : public ProgramTest {};

// The canvas sees moves and a release but no press: while Ready they draw
// nothing.
TEST_F(PointerTest, PressBesideCanvasDraggedOntoItDrawsNothingWhenIdle) {
  Session& s = Start();
  const Point beside = s.FromClient({10, 150});
  const Path drag = Line({50, 150}, {300, 150}, 50);
  {
    Input::Batch atOnce(s.input());
    s.input().MoveTo(beside);
    s.input().Press();
    s.input().MoveTo(s.FromCanvas(drag.front()));
  }
  for (const Point& p : drag) pen().MoveTo(p);
  pen().Release();
  pen().Fence();
  EXPECT_TRUE(s.CaptureCanvas().All(kWhite, Pen::kDrawingArea));
}

// After a stroke whose release was lost beside the canvas, the moves of a drag
// that begins beside the canvas do reach it, at once, and go on drawing.
TEST_F(PointerTest, PressBesideCanvasDraggedOntoItContinuesAnUnfinishedStroke) {
  Session& s = Start();
  const Path first = Line({100, 50}, {200, 50}, 20);
  pen().PressAt(first.front());
  for (std::size_t i = 1; i < first.size(); ++i) pen().DrawTo(first[i]);
  pen().MoveTo({-150, 50});  // beyond the window's left side
  pen().Release();
  const Point beside = s.FromClient({10, 150});
  const Path drag = Line({50, 150}, {300, 150}, 50);
  {
    Input::Batch atOnce(s.input());
    s.input().MoveTo(beside);
    s.input().Press();
    s.input().MoveTo(s.FromCanvas(drag.front()));
  }
  pen().AwaitInk(drag.front());  // before the next move, which it could merge with
  for (std::size_t i = 1; i < drag.size(); ++i) pen().DrawTo(drag[i]);
  pen().Release();           // over the canvas: the stroke ends here
  pen().MoveTo({250, 250});  // with the button up: no line to here
  pen().Fence();
  ExpectInk(s, {first, {first.back(), drag.front()}, drag});
}

// --- a press on a button --------------------------------------------------

struct ButtonDragCase {
  std::string name;
  Rect button;
  bool backToButton;  // released over the button again, else over the canvas
  Clicked expected;
  friend std::ostream& operator<<(std::ostream& out, const ButtonDragCase& c) {
    return out << c.name;
  }
};

class ButtonDragTest : public ProgramTestWithParam<ButtonDragCase> {};

// The button keeps the pointer: the canvas sees none of the drag, and only a
// release over the button clicks it.
TEST_P(ButtonDragTest, CanvasSeesNothingAndOnlyAReleaseOnTheButtonClicks) {
  Session& s = Start();
  const ButtonDragCase& c = GetParam();
  pen().Stroke(Line({40, 60}, {400, 60}, 10));
  const Image drawing = s.CaptureCanvas();
  s.input().MoveTo(s.FromClient(layout::Centre(c.button)));
  s.input().Press();
  for (const Point& p : Line({100, 300}, {300, 150}, 40)) pen().MoveTo(p);
  if (c.backToButton) s.input().MoveTo(s.FromClient(layout::Centre(c.button)));
  s.input().Release();
  ExpectClicked(s, pen(), drawing, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PointerRouting, ButtonDragTest,
    ::testing::Values(
        ButtonDragCase{"ClearReleasedOverCanvas", layout::kClear, false,
                       Clicked::Nothing},
        ButtonDragCase{"PlayReleasedOverCanvas", layout::kPlay, false, Clicked::Nothing},
        ButtonDragCase{"ClearBackOntoTheButton", layout::kClear, true, Clicked::Clear},
        ButtonDragCase{"PlayBackOntoTheButton", layout::kPlay, true, Clicked::Play}),
    [](const auto& info) { return info.param.name; });

// A press on the canvas released over "clear" is no click, and no release on
// the canvas either: the stroke goes on when the pointer comes back.
TEST_F(PointerTest, StrokeReleasedOverAButtonIsNoClickAndGoesOnWhenBack) {
  Session& s = Start();
  const Path down = Line({100, 150}, {160, 310}, 20);
  pen().PressAt(down.front());
  for (std::size_t i = 1; i < down.size(); ++i) pen().DrawTo(down[i]);
  s.input().MoveTo(s.FromClient(layout::Centre(layout::kClear)));
  s.input().Release();
  const Point back{300, 150};
  pen().DrawTo(back);  // the button is up, the stroke is not over
  pen().PressAt(back);
  pen().Release();
  pen().Fence();
  ExpectInk(s, {down, {down.back(), back}});
}

// --- double clicks --------------------------------------------------------

struct ClickRunCase {
  int presses;  // quick presses at one spot; the drag follows the last
  bool drags;   // whether the drag draws
  friend std::ostream& operator<<(std::ostream& out, const ClickRunCase& c) {
    return out << c.presses << " presses";
  }
};

class DoubleClickTest : public ProgramTestWithParam<ClickRunCase> {};

// The second press of a double click raises no press: the first click ended
// its stroke, so the drag after it draws nothing. A third press is a first.
TEST_P(DoubleClickTest, DragAfterQuickPressesDrawsOnlyAfterAFirstPress) {
  Session& s = Start();
  const Point a{200, 150};
  const Path drag = Line(a, {380, 150}, 60);
  {
    // One write, so the server stamps the presses within the double-click time.
    Input::Batch quick(s.input());
    s.input().MoveTo(s.FromCanvas(a));
    for (int i = 1; i < GetParam().presses; ++i) {
      s.input().Press();
      s.input().Release();
    }
    s.input().Press();
  }
  for (std::size_t i = 1; i < drag.size(); ++i) pen().MoveTo(drag[i]);
  pen().Release();
  pen().Fence();
  if (GetParam().drags) {
    ExpectInk(s, {drag});
  } else {
    ExpectInk(s, {{a}});  // the first click's dot only
  }
}

INSTANTIATE_TEST_SUITE_P(PointerRouting, DoubleClickTest,
                         ::testing::Values(ClickRunCase{1, true}, ClickRunCase{2, false},
                                           ClickRunCase{3, true}),
                         [](const auto& info) {
                           return std::to_string(info.param.presses) + "Presses";
                         });

}  // namespace
}  // namespace veskaro::e2e
