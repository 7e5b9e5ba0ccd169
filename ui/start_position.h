#pragma once

#include <cstdint>

#include "ui/window_description.h"

namespace veskaro {

struct ScreenPoint {
  std::int32_t x, y;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Top-left corner of the outer rectangle, centred on a screen of the given
// size; C++ division drops the remainder toward zero, as required.
constexpr ScreenPoint StartPosition(const WindowSettings& w, std::int32_t screenWidth,
                                    std::int32_t screenHeight) {
  return {(screenWidth - w.width) / 2, (screenHeight - w.height) / 2};
}

}  // namespace veskaro
