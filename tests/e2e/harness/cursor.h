#pragma once

#include <cstdint>
#include <vector>

#include "tests/e2e/harness/x_display.h"

namespace veskaro::e2e {

// The pointer's current shape as the server shows it (XFIXES).
struct PointerImage {
  int width = 0, height = 0, xhot = 0, yhot = 0;
  std::vector<std::uint32_t> argb;
  friend bool operator==(const PointerImage&, const PointerImage&) = default;
  // Every pixel opaque black, opaque white or fully transparent.
  bool BlackAndWhite() const;
};

PointerImage CurrentCursor(const XDisplay& display);

}  // namespace veskaro::e2e
