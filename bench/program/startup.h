#pragma once

#include <string>
#include <vector>

#include "screen.h"

namespace veskaro::bench {

// What the screen shows once a window has had its first paint: white where
// a canvas is, and text (dark pixels on a light ground) in each text area.
struct PaintProbe {
  std::vector<Point> white;
  std::vector<Rect> text;
};

bool ShowsPaint(const Screen& screen, const PaintProbe& probe);

// Milliseconds from exec of `argv` to the screen change that completes the
// probe; the program is stopped afterwards.
double MeasureStartUp(Screen& screen, const std::vector<std::string>& argv,
                      const PaintProbe& probe);

}  // namespace veskaro::bench
