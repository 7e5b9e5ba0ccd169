#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/event_dispatcher.h"
#include "ui/timer.h"
#include "ui/win32/handles.h"
#include "ui/window_description.h"

namespace veskaro::win32 {

// 时钟1: a hidden child window that carries the platform timer and raises a
// tick for each WM_TIMER.
class TimerWindow final : public PlatformTimer {
 public:
  TimerWindow(EventDispatcher& events, const TimerSettings& settings) noexcept
      : events_(events), timer_(*this, settings.period) {}

  bool Create(HINSTANCE instance, const wchar_t* className, HWND parent, const Rect& rect,
              int id) noexcept;
  void SetPeriod(std::int32_t ms) { timer_.SetPeriod(ms); }

  HWND window() const noexcept { return window_.get(); }

  void Attach(HWND window) noexcept { window_ = UniqueWindow(window); }
  void Detach() noexcept { window_.Forget(); }
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

 private:
  void Start(std::int32_t periodMs) override;
  void Stop() override;

  EventDispatcher& events_;
  Timer timer_;
  UniqueWindow window_;
};

}  // namespace veskaro::win32
