#include "ui/keys.h"

#include "ui/event_dispatcher.h"

namespace veskaro {

KeyAction MainWindowKeyAction(Key key, std::int32_t modifiers) {
  const bool plain = (modifiers & (kCtrl | kShift | kAlt)) == 0;
  switch (key) {
    case Key::Tab:
      if ((modifiers & (kCtrl | kAlt)) != 0) return KeyAction::Pass;
      return (modifiers & kShift) != 0 ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    case Key::Escape:
      return plain ? KeyAction::Close : KeyAction::Pass;
    case Key::Return:
    case Key::F1:
      // No default button and no help are declared.
      return KeyAction::Swallow;
    case Key::Other:
      return KeyAction::Pass;
  }
  return KeyAction::Pass;
}

}  // namespace veskaro
