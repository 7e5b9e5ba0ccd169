#pragma once

#include <vector>

#include "layout.h"
#include "screen.h"

namespace veskaro::bench {

// Draws a stroke of `segments` pieces along a known path, one move at a
// time (each drawn before the next is sent, so none merge), clicks "play",
// and returns the moment each replayed piece showed on the screen.
std::vector<double> MeasurePlayback(Screen& screen, const Layout& layout, int segments);

}  // namespace veskaro::bench
