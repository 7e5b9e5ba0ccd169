#pragma once

#include <windows.h>

#include "ui/event_dispatcher.h"
#include "ui/win32/main_window.h"

namespace veskaro::win32 {

// The event loop's look at each message before it is dispatched: raises the
// canvas's pointer events and handles the main window's own keys.
class InputFilter {
 public:
  explicit InputFilter(EventDispatcher& events) noexcept : events_(events) {}

  // True when the message was acted on here and goes no further.
  bool Filter(MainWindow& window, const MSG& message);

 private:
  void RaisePointer(const MSG& message);
  bool FilterKey(MainWindow& window, const MSG& message);

  EventDispatcher& events_;
};

// Ctrl, Shift and Alt as GetKeyState reports them for the current message.
std::int32_t ModifierKeys();

}  // namespace veskaro::win32
