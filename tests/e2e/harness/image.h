#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <vector>

#include "tests/e2e/harness/geometry.h"
#include "tests/e2e/harness/x_display.h"

namespace veskaro::e2e {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "rgb(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ")";
  }
};
inline constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};

// Pixels read back from the screen. Coordinates are the image's own: (0, 0)
// is the top-left corner of the captured area.
class Image {
 public:
  Image(Rect area, std::vector<Rgb> pixels);

  // Where on the screen the image was taken.
  const Rect& area() const { return area_; }
  int width() const { return area_.width; }
  int height() const { return area_.height; }
  Rect Bounds() const { return {0, 0, width(), height()}; }

  Rgb At(Point p) const;
  int Count(Rgb colour, const Rect& within) const;
  int Count(Rgb colour) const { return Count(colour, Bounds()); }
  bool All(Rgb colour, const Rect& within) const;
  bool All(Rgb colour) const { return All(colour, Bounds()); }
  // The smallest rectangle holding every pixel of the colour; empty if none.
  Rect BoundsOf(Rgb colour) const;
  // Pixels that differ from an image of the same size, inside the rectangle.
  int Differences(const Image& other, const Rect& within) const;
  int Differences(const Image& other) const { return Differences(other, Bounds()); }

  // A binary PPM, which most image viewers open.
  void SavePpm(const std::filesystem::path& file) const;

 private:
  Rect Clip(const Rect& r) const;

  Rect area_;
  std::vector<Rgb> pixels_;
};

// Reads the screen's pixels (the root window, with everything shown on it).
Image Capture(const XDisplay& display, const Rect& onScreen);

}  // namespace veskaro::e2e
