#pragma once

#include <time.h>

namespace veskaro::bench {

// Milliseconds on CLOCK_MONOTONIC, the clock the program's own timer runs on.
inline double NowMs() noexcept {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

}  // namespace veskaro::bench
