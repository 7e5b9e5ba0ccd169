#include "tests/e2e/harness/pen.h"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "tests/e2e/harness/wait.h"

namespace veskaro::e2e {

namespace {

// Spots 14 pixels apart: never the second press of a double click.
constexpr int kFenceSpacing = 14;
constexpr int kFenceSpots = 448 / kFenceSpacing;
// How long one fence click may go unanswered before the next is tried. A
// slow answer costs only an extra dot; it decides nothing about the program.
constexpr std::chrono::milliseconds kFenceTry{300};

}  // namespace

void Pen::MoveTo(Point p) { session_.input().MoveTo(session_.FromCanvas(p)); }

void Pen::PressAt(Point p) {
  MoveTo(p);
  session_.input().Press();
}

void Pen::Release() { session_.input().Release(); }

bool Pen::Black(Point p) {
  const Point at = session_.FromCanvas(p);
  return Capture(session_.x(), {at.x, at.y, 1, 1}).At({0, 0}) == kBlack;
}

void Pen::DrawTo(Point p, Point witness) {
  if (Black(witness)) {
    std::ostringstream message;
    message << "DrawTo " << p << ": " << witness << " is black already";
    throw std::logic_error(message.str());
  }
  MoveTo(p);
  AwaitInk(witness);
}

void Pen::AwaitInk(Point p) {
  if (!WaitUntil([&] { return Black(p); })) {
    std::ostringstream message;
    message << "no ink ever showed at " << p << " on the canvas";
    throw std::runtime_error(message.str());
  }
}

void Pen::Stroke(const std::vector<Point>& points) {
  PressAt(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) DrawTo(points[i]);
  Release();
}

void Pen::Fence() {
  FenceWhile([] { return true; });
}

bool Pen::FenceWhile(const std::function<bool()>& holds) {
  while (fenceSpots_ < kFenceSpots) {
    const Point spot{kFenceSpacing / 2 + kFenceSpacing * fenceSpots_++,
                     kFenceStrip.y + kFenceStrip.height / 2};
    PressAt(spot);
    Release();
    bool broken = false;
    WaitUntil(
        [&] {
          broken = !holds();
          return broken || Black(spot);
        },
        kFenceTry);
    if (broken) return false;
    if (Black(spot)) return true;
  }
  throw std::runtime_error("the canvas took no click for the whole fence strip");
}

std::vector<Point> Line(Point a, Point b, int step) {
  const int dx = b.x - a.x, dy = b.y - a.y;
  const int steps = std::max(std::abs(dx), std::abs(dy)) / step;
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    points.push_back(
        {a.x + dx * i / std::max(steps, 1), a.y + dy * i / std::max(steps, 1)});
  }
  return points;
}

}  // namespace veskaro::e2e
