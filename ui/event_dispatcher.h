#pragma once

#include <cstdint>
#include <span>

#include "recorder/recorder.h"
#include "ui/window_description.h"

namespace veskaro {

// Ctrl, Shift and Alt as the canvas's pointer events carry them.
enum KeyState : std::int32_t { kCtrl = 1, kShift = 2, kAlt = 4 };

struct PointerArgs {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t keys = 0;
};

// Hands each event to the recorder handler bound to it, or drops it. Every
// event that reaches the recorder passes through Raise.
class EventDispatcher {
 public:
  explicit EventDispatcher(
      std::span<const EventBinding> bindings = kWindowDescription.bindings)
      : bindings_(bindings) {}

  // Until a recorder is attached every event is dropped.
  void Attach(Recorder& recorder) noexcept { recorder_ = &recorder; }

  void Raise(ControlId control, Event event, PointerArgs args = {});

  // The plain count; waiting notifications are the caller's affair.
  void Suspend() noexcept { ++suspension_; }
  void Resume() noexcept {
    if (suspension_ > 0) --suspension_;
  }
  bool Suspended() const noexcept { return suspension_ > 0; }

 private:
  void Call(Handler handler, PointerArgs args);

  std::span<const EventBinding> bindings_;
  Recorder* recorder_ = nullptr;
  std::int32_t suspension_ = 0;
};

}  // namespace veskaro
