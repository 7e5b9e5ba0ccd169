#pragma once

#include "screen.h"

namespace veskaro::bench {

// The i-th point, in canvas pixels, of the path that the pacing figures
// replay: a zigzag in rows of 50 pieces, left to right and back, so that the
// midpoint of each piece is painted by that piece alone.
inline Point ZigzagPoint(int i) {
  constexpr int kPerRow = 50;
  const int row = i / (kPerRow + 1), column = i % (kPerRow + 1);
  const int x = row % 2 == 0 ? column : kPerRow - column;
  return {16 + 8 * x, 16 + 16 * row + 8 * (i % 2)};
}

}  // namespace veskaro::bench
