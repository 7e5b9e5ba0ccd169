#pragma once

#include <vector>

#include "tests/e2e/harness/x_display.h"

namespace veskaro::e2e {

// Every window mapped as a child of the root from the watch's start on, so a
// test can tell that a window was never shown, not even for a moment.
class MapWatch {
 public:
  explicit MapWatch(const XDisplay& display);
  // The windows mapped so far, in order (each time it was mapped).
  const std::vector<Window>& Mapped();

 private:
  const XDisplay& display_;
  std::vector<Window> mapped_;
};

}  // namespace veskaro::e2e
