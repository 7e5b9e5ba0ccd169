#pragma once

#include <ostream>

namespace veskaro::e2e {

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
  friend constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
  friend constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
  friend std::ostream& operator<<(std::ostream& out, const Point& p) {
    return out << "(" << p.x << ", " << p.y << ")";
  }
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  constexpr int right() const { return x + width; }
  constexpr int bottom() const { return y + height; }
  constexpr bool Contains(Point p) const {
    return p.x >= x && p.y >= y && p.x < right() && p.y < bottom();
  }
  constexpr bool Overlaps(const Rect& o) const {
    return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
  }
  constexpr Rect Moved(Point by) const { return {x + by.x, y + by.y, width, height}; }
  friend bool operator==(const Rect&, const Rect&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "(" << r.x << ", " << r.y << ")-(" << r.right() << ", " << r.bottom()
               << ") " << r.width << "x" << r.height;
  }
};

}  // namespace veskaro::e2e
