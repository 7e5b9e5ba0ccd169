#pragma once

#include <cstdint>

namespace veskaro {

// The recorder's only way to act on the screen: the canvas and the timer.
class ScreenPort {
 public:
  virtual void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                        std::int32_t y2) = 0;
  virtual void ClearCanvas() = 0;
  virtual void SetTimerPeriod(std::int32_t ms) = 0;

 protected:
  ~ScreenPort() = default;
};

}  // namespace veskaro
