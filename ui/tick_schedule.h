#pragma once

#include <cstdint>

namespace veskaro {

// When a periodic timer is due, for event loops that wait with a timeout.
// Times are nanoseconds of a monotonic clock.
class TickSchedule {
 public:
  // The first tick falls one period after `now`.
  void Start(std::int64_t now, std::int32_t periodMs) noexcept;
  void Stop() noexcept { running_ = false; }
  bool running() const noexcept { return running_; }
  // Only meaningful while running.
  std::int64_t due() const noexcept { return due_; }

  // Whether a tick is due at `now`. Ticks missed during a stall merge into
  // this one, and the next is due on the original rhythm.
  bool TakeDue(std::int64_t now) noexcept;

 private:
  std::int64_t period_ = 0;
  std::int64_t due_ = 0;
  bool running_ = false;
};

}  // namespace veskaro
