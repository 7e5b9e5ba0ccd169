#pragma once

#include <string_view>

#include "recorder/memory.h"
#include "recorder/screen_port.h"
#include "ui/event_dispatcher.h"

namespace veskaro {

// What the start-up, the event loop and the shut-down need from a windowing
// backend. The backend is the screen port too: it forwards to the canvas and
// the timer once they exist.
class Platform : public ScreenPort {
 public:
  // The main window, hidden, with its controls, which raise their events
  // through `events`. False when any of them cannot be made.
  virtual bool CreateMainWindow(EventDispatcher& events) = 0;
  // Handles every notification already waiting, without blocking.
  virtual void ProcessPendingNotifications() = 0;
  virtual void ShowMainWindow() = 0;
  // Runs until the main window is gone; returns the quit code.
  virtual int RunEventLoop() = 0;
  // A modal box with one OK button; returns when the user dismisses it.
  virtual void ShowFatalBox(std::string_view caption, std::string_view text) = 0;
  // The records of the program's windows.
  virtual void ReleaseWindowRecords() noexcept = 0;
  // Everything else the windowing layer holds.
  virtual void ReleaseResources() noexcept = 0;
  [[noreturn]] virtual void ExitProcess(int code) = 0;

 protected:
  ~Platform() = default;
};

}  // namespace veskaro
