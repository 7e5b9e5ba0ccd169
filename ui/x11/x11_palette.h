#pragma once

#include <cstdint>
#include <vector>

#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// The shades of the classic raised 3D look, 0xRRGGBB.
namespace shade {
inline constexpr std::uint32_t kFace = 0xF0F0F0;
inline constexpr std::uint32_t kHighlight = 0xFFFFFF;
inline constexpr std::uint32_t kLight = 0xE3E3E3;
inline constexpr std::uint32_t kShadow = 0xA0A0A0;
inline constexpr std::uint32_t kDarkShadow = 0x696969;
inline constexpr std::uint32_t kText = 0x000000;
}  // namespace shade

// Pixel values for 0xRRGGBB colours, allocated in the default colormap on
// first use and given back together.
class Palette {
 public:
  explicit Palette(const Connection& connection) noexcept : connection_(connection) {}
  Palette(const Palette&) = delete;
  Palette& operator=(const Palette&) = delete;
  ~Palette();

  unsigned long Pixel(std::uint32_t rgb);

 private:
  struct Entry {
    std::uint32_t rgb;
    unsigned long pixel;
  };

  const Connection& connection_;
  std::vector<Entry> entries_;
};

}  // namespace veskaro::x11
