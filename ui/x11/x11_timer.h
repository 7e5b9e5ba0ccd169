#pragma once

#include <cstdint>

#include "ui/tick_schedule.h"
#include "ui/timer.h"
#include "ui/x11/x11_connection.h"

namespace veskaro::x11 {

// 时钟1's platform timer: a schedule that the event loop waits on.
class ScheduledTimer final : public PlatformTimer {
 public:
  void Start(std::int32_t periodMs) override {
    schedule_.Start(MonotonicNow(), periodMs);
  }
  void Stop() override { schedule_.Stop(); }

  TickSchedule& schedule() noexcept { return schedule_; }

 private:
  TickSchedule schedule_;
};

}  // namespace veskaro::x11
