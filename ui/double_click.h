#pragma once

#include <cstdint>

namespace veskaro {

struct DoubleClickSettings {
  std::uint32_t timeMs = 400;
  std::int32_t distance = 5;  // pixels in either direction
};

// For window systems without double clicks: tells a press that completes
// one from a first press. A third press counts as a first again.
class DoubleClickDetector {
 public:
  explicit DoubleClickDetector(DoubleClickSettings settings = {}) noexcept
      : settings_(settings) {}

  // `time` is the server's millisecond clock, which wraps.
  bool IsSecondPress(std::uint64_t window, std::uint32_t button, std::uint32_t time,
                     std::int32_t x, std::int32_t y) noexcept;

 private:
  struct Press {
    std::uint64_t window;
    std::uint32_t button;
    std::uint32_t time;
    std::int32_t x, y;
  };

  DoubleClickSettings settings_;
  Press last_{};
  bool armed_ = false;  // the last press may start a double click
};

}  // namespace veskaro
