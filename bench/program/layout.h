#pragma once

#include <optional>

#include "screen.h"

namespace veskaro::bench {

// Where the program's parts are on the screen, found from its canvas: the
// declared layout puts the client area's corner 24 pixels above and left of
// the canvas, and the buttons on one row below it.
struct Layout {
  Point canvas;  // top-left pixel of the canvas, in root coordinates

  static constexpr int kCanvasWidth = 448, kCanvasHeight = 336;

  Rect canvasRect() const { return {canvas.x, canvas.y, kCanvasWidth, kCanvasHeight}; }
  Point client() const { return {canvas.x - 24, canvas.y - 24}; }
  Point OnCanvas(int x, int y) const { return {canvas.x + x, canvas.y + y}; }
  Rect clearButton() const { return {client().x + 128, client().y + 368, 72, 40}; }
  Rect playButton() const { return {client().x + 256, client().y + 368, 72, 40}; }
};

Point Centre(const Rect& r);
// The part of a button inside its frame and focus mark, where only the
// caption is drawn.
Rect CaptionArea(const Rect& button);

// The canvas as the screen shows it now: a white 448 x 336 rectangle with
// no white beside it.
std::optional<Layout> FindCanvas(const Screen& screen);
// Looks until `deadlineMs`; exits the bench if no canvas appears.
Layout WaitForCanvas(const Screen& screen, double deadlineMs);
// Waits until the last run's window has left the screen, so that the next
// run's canvas is not mistaken for it.
void WaitForNoCanvas(const Screen& screen);

}  // namespace veskaro::bench
