#pragma once

#include <cstdint>

namespace veskaro {

enum class Key { Tab, Escape, Return, F1, Other };

enum class KeyAction {
  Pass,  // on to the focused control
  FocusNext,
  FocusPrevious,
  Close,    // the close request, as from the close box
  Swallow,  // acted on here, to no effect
};

// What the main window does with a key-down before the focused control sees
// it. `modifiers` is a set of KeyState bits.
KeyAction MainWindowKeyAction(Key key, std::int32_t modifiers);

}  // namespace veskaro
