#pragma once

#include <cstdint>

namespace veskaro {

// The platform's periodic timer for 时钟1.
class PlatformTimer {
 public:
  virtual void Start(std::int32_t periodMs) = 0;
  virtual void Stop() = 0;

 protected:
  ~PlatformTimer() = default;
};

// The period/running state of 时钟1 over a platform timer. Writing the
// period it already has changes nothing, so a running rhythm is kept.
class Timer {
 public:
  Timer(PlatformTimer& platform, std::int32_t declaredPeriod) noexcept
      : platform_(platform), period_(declaredPeriod > 0 ? declaredPeriod : 0) {}

  void OnWindowCreated();
  void SetPeriod(std::int32_t ms);
  void OnWindowDestroyed();

  std::int32_t period() const noexcept { return period_; }
  bool running() const noexcept { return running_; }

 private:
  PlatformTimer& platform_;
  std::int32_t period_;
  bool running_ = false;
};

}  // namespace veskaro
