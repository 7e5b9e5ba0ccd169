#pragma once

#include <string>
#include <vector>

#include "tests/e2e/harness/geometry.h"
#include "tests/e2e/harness/image.h"

namespace veskaro::e2e {

// A chain of straight pieces in canvas coordinates; one point is a dot.
using Path = std::vector<Point>;

// How far from a path's centre line a 4-pixel pen may blacken a pixel.
inline constexpr double kPenReach = 3.0;

// The pixels along the path's centre line that are not black.
std::vector<Point> MissingInk(const Image& canvas, const Path& path);
// The black pixels inside the rectangle that no path explains.
std::vector<Point> StrayInk(const Image& canvas, const std::vector<Path>& paths,
                            const Rect& within);
// "none", or how many and the first few, for a failure message.
std::string Describe(const std::vector<Point>& points);

}  // namespace veskaro::e2e
