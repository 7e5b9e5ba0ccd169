#pragma once

#include <vector>

#include "layout.h"
#include "screen.h"

namespace veskaro::bench {

// Draws a stroke of `segments` pieces along the zigzag, one move at a time
// (each drawn before the next is sent, so none merge); the release records
// the last piece, of length zero.
void DrawPath(const Screen& screen, const Layout& layout, int segments);

// Clicks at `start`, waits for the canvas to be wiped, and returns the moment,
// in the X server's milliseconds, at which the server drew each of the first
// `pieces` pieces of the zigzag again.
std::vector<double> WatchReplay(Screen& screen, const Layout& layout, int pieces,
                                Point start);

}  // namespace veskaro::bench
