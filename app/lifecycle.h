#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/platform.h"
#include "recorder/memory.h"
#include "ui/event_dispatcher.h"

namespace veskaro {

inline constexpr int kFatalExitCode = -1;

// The text of the fatal-error box for `message`.
std::string FatalErrorText(std::string_view message);

// Start-up, shut-down and the fatal report, over one platform and one
// dispatcher. The exit routine runs at most once.
class Lifecycle final : public FatalReporter {
 public:
  Lifecycle(Platform& platform, EventDispatcher& events) noexcept
      : platform_(platform), events_(events) {}

  void SetExitRoutine(std::function<void()> routine) {
    exitRoutine_ = std::move(routine);
  }
  // Builds the main window while events are held back, announces it and
  // shows it. A window that cannot be made is fatal.
  void LoadStartupWindow();
  void ShutDown() noexcept;
  [[noreturn]] void ReportFatalError(std::string_view message) override;

  // Hold back events, after the waiting notifications have been handled.
  void Suspend();
  // Let events through again, after the waiting notifications have been
  // handled while still held back.
  void Resume();

 private:
  Platform& platform_;
  EventDispatcher& events_;
  std::function<void()> exitRoutine_;
};

// The whole run from the recorder's creation to the shut-down, on a
// platform whose windowing layer is already up. Returns the exit code.
int RunProgram(Platform& platform, HeapPort& heap);

}  // namespace veskaro
