#pragma once

#include <functional>
#include <vector>

#include "tests/e2e/harness/geometry.h"
#include "tests/e2e/harness/session.h"

namespace veskaro::e2e {

// Gestures with the left button, in canvas coordinates.
class Pen {
 public:
  explicit Pen(Session& session) : session_(session) {}

  // The canvas strip where Fence leaves its dots; tests draw above it.
  static constexpr Rect kFenceStrip{0, 322, 448, 14};
  static constexpr Rect kDrawingArea{0, 0, 448, 322};

  void MoveTo(Point canvas);
  void PressAt(Point canvas);
  void Release();
  // Moves to a point that is not black yet and waits until the line to it
  // shows there, so that each call makes one move event of its own.
  void DrawTo(Point canvas) { DrawTo(canvas, canvas); }
  // The same, for a point that cannot be seen (covered): waits for another,
  // visible point on the line to it instead.
  void DrawTo(Point canvas, Point witness);
  // Waits until the point shows ink; throws if it never does.
  void AwaitInk(Point canvas);
  // Press at the first point, DrawTo each further one, release at the last.
  void Stroke(const std::vector<Point>& points);

  // Returns once the program has handled everything sent before and takes
  // canvas input again (not replaying): clicks at fresh spots of the fence
  // strip until one leaves a dot. The pointer jumps there, so in the middle
  // of a stroke that draws a line to the spot.
  void Fence();
  // Fence, watching the condition all the while: false as soon as it fails.
  bool FenceWhile(const std::function<bool()>& holds);

 private:
  bool Black(Point canvas);

  Session& session_;
  int fenceSpots_ = 0;
};

// Points from a to b, both included, about step pixels apart along the longer axis.
std::vector<Point> Line(Point a, Point b, int step);

}  // namespace veskaro::e2e
