#pragma once

#include <cstdint>

namespace veskaro {

// A position in canvas pixels: origin top-left, x right, y down.
struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// One straight piece of a stroke: from the pen position to the pointer.
struct Segment {
  Point start;
  Point end;
  friend bool operator==(const Segment&, const Segment&) = default;
};

static_assert(sizeof(Segment) == 16, "the recording stores 16-byte segments");

}  // namespace veskaro
