#include "ui/focus.h"

#include <algorithm>

namespace veskaro {

TabCycle MakeTabCycle(const WindowDescription& description) {
  TabCycle cycle;
  // Walk backwards so a stable sort puts later declarations first.
  for (auto it = description.controls.rbegin(); it != description.controls.rend(); ++it) {
    if (it->visible && it->tabStop && it->kind != ControlKind::Timer) {
      cycle.members[cycle.size++] = it->id;
    }
  }
  auto order = [&](ControlId a, ControlId b) {
    return description.Control(a).tabOrder < description.Control(b).tabOrder;
  };
  std::stable_sort(cycle.members.begin(), cycle.members.begin() + cycle.size, order);
  return cycle;
}

ControlId NextInCycle(const TabCycle& cycle, ControlId current, bool backwards) {
  const auto* begin = cycle.members.begin();
  const auto* end = begin + cycle.size;
  const auto* it = std::find(begin, end, current);
  if (it == end) return *begin;
  const std::size_t i = static_cast<std::size_t>(it - begin);
  const std::size_t n = cycle.size;
  return cycle.members[backwards ? (i + n - 1) % n : (i + 1) % n];
}

}  // namespace veskaro
