#include "ui/tick_schedule.h"

namespace veskaro {

void TickSchedule::Start(std::int64_t now, std::int32_t periodMs) noexcept {
  period_ = std::int64_t{periodMs} * 1'000'000;
  due_ = now + period_;
  running_ = period_ > 0;
}

bool TickSchedule::TakeDue(std::int64_t now) noexcept {
  if (!running_ || now < due_) return false;
  const std::int64_t missed = (now - due_) / period_;
  due_ += (missed + 1) * period_;
  return true;
}

}  // namespace veskaro
