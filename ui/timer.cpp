#include "ui/timer.h"

namespace veskaro {

void Timer::OnWindowCreated() {
  if (period_ > 0) {
    platform_.Start(period_);
    running_ = true;
  }
}

void Timer::SetPeriod(std::int32_t ms) {
  const std::int32_t value = ms < 0 ? 0 : ms;
  if (value == period_) return;
  period_ = value;
  if (running_) platform_.Stop();
  running_ = period_ > 0;
  if (running_) platform_.Start(period_);
}

void Timer::OnWindowDestroyed() {
  if (!running_) return;
  platform_.Stop();
  running_ = false;
}

}  // namespace veskaro
