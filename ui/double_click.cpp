#include "ui/double_click.h"

#include <cstdlib>

namespace veskaro {

bool DoubleClickDetector::IsSecondPress(std::uint64_t window, std::uint32_t button,
                                        std::uint32_t time, std::int32_t x,
                                        std::int32_t y) noexcept {
  // Unsigned difference: correct across the clock's wrap.
  const bool second = armed_ && window == last_.window && button == last_.button &&
                      time - last_.time <= settings_.timeMs &&
                      std::abs(x - last_.x) <= settings_.distance &&
                      std::abs(y - last_.y) <= settings_.distance;
  last_ = Press{window, button, time, x, y};
  armed_ = !second;
  return second;
}

}  // namespace veskaro
