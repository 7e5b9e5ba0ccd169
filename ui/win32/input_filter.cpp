#include "ui/win32/input_filter.h"

#include <optional>

#include "ui/keys.h"

namespace veskaro::win32 {

namespace {

std::optional<Event> PointerEvent(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return Event::LeftDown;
    case WM_MOUSEMOVE:
      return Event::MouseMove;
    case WM_LBUTTONUP:
      return Event::LeftUp;
    case WM_LBUTTONDBLCLK:
      return Event::DoubleClick;
    case WM_RBUTTONDOWN:
      return Event::RightDown;
    case WM_RBUTTONUP:
      return Event::RightUp;
    case WM_MOUSEWHEEL:
      return Event::Wheel;
    default:
      return std::nullopt;
  }
}

std::optional<Event> KeyEvent(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return Event::KeyDown;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return Event::KeyUp;
    case WM_CHAR:
    case WM_SYSCHAR:
      return Event::Char;
    default:
      return std::nullopt;
  }
}

Key KeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB:
      return Key::Tab;
    case VK_ESCAPE:
      return Key::Escape;
    case VK_RETURN:
      return Key::Return;
    case VK_F1:
      return Key::F1;
    default:
      return Key::Other;
  }
}

bool IsDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

}  // namespace

std::int32_t ModifierKeys() {
  std::int32_t keys = 0;
  if (IsDown(VK_CONTROL)) keys |= kCtrl;
  if (IsDown(VK_SHIFT)) keys |= kShift;
  if (IsDown(VK_MENU)) keys |= kAlt;
  return keys;
}

bool InputFilter::Filter(MainWindow& window, const MSG& message) {
  if (window.window() == nullptr) return false;
  if (message.hwnd == window.canvas().window()) RaisePointer(message);
  return FilterKey(window, message);
}

void InputFilter::RaisePointer(const MSG& message) {
  const auto event = PointerEvent(message.message);
  if (!event) return;
  // The 16-bit position fields read unsigned, as the canvas reports them.
  const PointerArgs args{LOWORD(message.lParam), HIWORD(message.lParam), ModifierKeys()};
  events_.Raise(ControlId::Canvas1, *event, args);
}

bool InputFilter::FilterKey(MainWindow& window, const MSG& message) {
  const auto event = KeyEvent(message.message);
  if (!event) return false;
  const HWND main = window.window();
  if (message.hwnd != main && !IsChild(main, message.hwnd)) return false;
  const ControlId target = window.ControlOf(message.hwnd).value_or(ControlId::MainWindow);
  if (*event != Event::KeyDown) {
    events_.Raise(target, *event);
    return false;
  }
  switch (MainWindowKeyAction(KeyOf(message.wParam), ModifierKeys())) {
    case KeyAction::FocusNext:
      window.MoveFocus(false);
      return true;
    case KeyAction::FocusPrevious:
      window.MoveFocus(true);
      return true;
    case KeyAction::Close:
      SendMessageW(main, WM_CLOSE, 0, 0);
      return true;
    case KeyAction::Swallow:
      return true;
    case KeyAction::Pass:
      break;
  }
  events_.Raise(target, Event::KeyDown);
  return false;
}

}  // namespace veskaro::win32
