#include "ui/win32/timer_window.h"

namespace veskaro::win32 {

namespace {

constexpr UINT_PTR kTimerId = 1000;

}  // namespace

bool TimerWindow::Create(HINSTANCE instance, const wchar_t* className, HWND parent,
                         const Rect& rect, int id) noexcept {
  CreateWindowExW(0, className, L"", WS_CHILD | WS_DISABLED, rect.left, rect.top,
                  rect.width, rect.height, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
  return static_cast<bool>(window_);
}

LRESULT TimerWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      timer_.OnWindowCreated();
      return 0;
    case WM_TIMER:
      events_.Raise(ControlId::Clock1, Event::Tick);
      return 0;
    case WM_DESTROY:
      timer_.OnWindowDestroyed();
      return 0;
    default:
      return DefWindowProcW(window_.get(), message, w, l);
  }
}

void TimerWindow::Start(std::int32_t periodMs) {
  SetTimer(window_.get(), kTimerId, static_cast<UINT>(periodMs), nullptr);
}

void TimerWindow::Stop() { KillTimer(window_.get(), kTimerId); }

}  // namespace veskaro::win32
