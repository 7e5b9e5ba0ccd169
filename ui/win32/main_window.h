#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "ui/event_dispatcher.h"
#include "ui/focus.h"
#include "ui/win32/canvas.h"
#include "ui/win32/handles.h"
#include "ui/win32/timer_window.h"
#include "ui/window_description.h"

namespace veskaro::win32 {

struct WindowClasses;

// The main window and its four controls, built from the description.
class MainWindow {
 public:
  MainWindow(HINSTANCE instance, const WindowClasses& classes, HICON icon,
             EventDispatcher& events,
             const WindowDescription& description = kWindowDescription) noexcept;
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // The hidden window with its controls; false when any of them fails.
  bool Create();
  void Show() noexcept;

  Canvas& canvas() noexcept { return canvas_; }
  TimerWindow& timer() noexcept { return timer_; }
  HWND window() const noexcept { return window_.get(); }
  // The control that `window` is, if it is one of ours.
  std::optional<ControlId> ControlOf(HWND window) const noexcept;
  void MoveFocus(bool backwards);

  void Attach(HWND window) noexcept { window_ = UniqueWindow(window); }
  void Detach() noexcept { window_.Forget(); }
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

 private:
  bool CreateWindowItself();
  bool CreateControl(std::size_t index);
  bool CreateButton(std::size_t index);
  void FixOuterSize() noexcept;
  void StackAndShowControls() noexcept;
  HWND ControlWindow(ControlId id) const noexcept;

  LRESULT OnCommand(WPARAM w, LPARAM l);
  LRESULT OnActivate(WPARAM w, LPARAM l);
  LRESULT OnSetFocus();
  LRESULT OnNcDestroy(WPARAM w, LPARAM l);
  LRESULT Raise(Event event, UINT message, WPARAM w, LPARAM l);

  HINSTANCE instance_;
  const WindowClasses& classes_;
  HICON icon_;
  EventDispatcher& events_;
  const WindowDescription& description_;
  FocusTracker focus_;
  TimerWindow timer_;
  Canvas canvas_;
  // The controls' windows in declaration order; the buttons are owned here,
  // the canvas and the timer by their objects.
  std::array<HWND, 4> controls_{};
  std::array<UniqueWindow, 4> buttons_;
  UniqueWindow window_;  // last: destroyed first, while the rest still stands
};

}  // namespace veskaro::win32
