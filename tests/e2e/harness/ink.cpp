#include "tests/e2e/harness/ink.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace veskaro::e2e {

namespace {

double DistanceToPiece(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool Explained(Point p, const std::vector<Path>& paths) {
  for (const Path& path : paths) {
    for (std::size_t i = 0; i < path.size(); ++i) {
      const Point b = path[std::min(i + 1, path.size() - 1)];
      if (DistanceToPiece(p, path[i], b) <= kPenReach) return true;
    }
  }
  return false;
}

}  // namespace

std::vector<Point> MissingInk(const Image& canvas, const Path& path) {
  std::vector<Point> missing;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const Point a = path[i], b = path[std::min(i + 1, path.size() - 1)];
    const int steps = std::max({std::abs(b.x - a.x), std::abs(b.y - a.y), 1});
    for (int s = 0; s <= steps; ++s) {
      const Point p{a.x + static_cast<int>(std::lround((b.x - a.x) * s / double(steps))),
                    a.y + static_cast<int>(std::lround((b.y - a.y) * s / double(steps)))};
      if (canvas.Bounds().Contains(p) && canvas.At(p) != kBlack &&
          std::find(missing.begin(), missing.end(), p) == missing.end()) {
        missing.push_back(p);
      }
    }
  }
  return missing;
}

std::vector<Point> StrayInk(const Image& canvas, const std::vector<Path>& paths,
                            const Rect& within) {
  std::vector<Point> stray;
  for (int y = std::max(within.y, 0); y < std::min(within.bottom(), canvas.height());
       ++y) {
    for (int x = std::max(within.x, 0); x < std::min(within.right(), canvas.width());
         ++x) {
      if (canvas.At({x, y}) == kBlack && !Explained({x, y}, paths))
        stray.push_back({x, y});
    }
  }
  return stray;
}

std::string Describe(const std::vector<Point>& points) {
  if (points.empty()) return "none";
  std::ostringstream text;
  text << points.size() << " pixels, among them";
  for (std::size_t i = 0; i < std::min<std::size_t>(points.size(), 6); ++i) {
    text << " " << points[i];
  }
  return text.str();
}

}  // namespace veskaro::e2e
