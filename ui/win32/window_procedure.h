#pragma once

#include <windows.h>

namespace veskaro::win32 {

// The window procedure of a class whose windows each belong to one T. The
// object is handed over as the creation parameter and found again through
// GWLP_USERDATA; what arrives before WM_NCCREATE (WM_GETMINMAXINFO, for one)
// or after WM_NCDESTROY goes to DefWindowProcW. T has Attach(HWND),
// Detach() and Handle(UINT, WPARAM, LPARAM).
template <class T>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->Attach(window);
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, w, l);
  const LRESULT result = self->Handle(message, w, l);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->Detach();
  }
  return result;
}

}  // namespace veskaro::win32
