#pragma once

#include "layout.h"
#include "screen.h"

namespace veskaro::bench {

// Where the flood's sentinel move lands, in canvas pixels: below the band
// of the flood, so that only the line to it paints it.
inline constexpr Point kSentinel{224, 300};

// The i-th move of a flood: inside a band at the top of the canvas, never
// twice in a row at the same place, so that each one is a motion event.
Point FloodPoint(const Layout& layout, long i);

// Presses on the canvas and sends `moves` moves in one stroke, then one to
// the sentinel; the button stays down. With `leaving`, a move onto the
// window beside the canvas follows each one, so that no two moves for the
// canvas wait back to back and each becomes a recorded segment.
void Flood(const Screen& screen, const Layout& layout, long moves, bool leaving);

// Waits until the pixel turns black; the moment it was seen, or a negative
// number if `deadlineMs` passes first.
double WaitForBlack(const Screen& screen, Point p, double deadlineMs);

}  // namespace veskaro::bench
