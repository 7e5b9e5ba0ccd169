#pragma once

#include <array>
#include <cstddef>

#include "ui/window_description.h"

namespace veskaro {

// The controls that Tab visits, in order.
struct TabCycle {
  std::array<ControlId, 4> members{};
  std::size_t size = 0;
};

// Visible, enabled tab stops (never a timer) sorted by tab order; among
// equal numbers the control declared later comes first.
TabCycle MakeTabCycle(const WindowDescription& description);

// The member after (or before) `current`, wrapping at both ends; the first
// member when `current` is not in the cycle.
ControlId NextInCycle(const TabCycle& cycle, ControlId current, bool backwards);

// Which control has the keyboard focus, and which gets it back when the
// main window is activated again.
class FocusTracker {
 public:
  explicit FocusTracker(const WindowDescription& description)
      : cycle_(MakeTabCycle(description)), focused_(cycle_.members[0]) {}

  ControlId focused() const noexcept { return focused_; }
  void Focus(ControlId id) noexcept { focused_ = id; }
  void Tab(bool backwards) noexcept {
    focused_ = NextInCycle(cycle_, focused_, backwards);
  }

 private:
  TabCycle cycle_;
  ControlId focused_;
};

}  // namespace veskaro
