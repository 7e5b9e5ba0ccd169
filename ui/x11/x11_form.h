#pragma once

#include <vector>

#include "ui/double_click.h"
#include "ui/event_dispatcher.h"
#include "ui/focus.h"
#include "ui/window_description.h"
#include "ui/x11/x11_button.h"
#include "ui/x11/x11_canvas.h"
#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_main_window.h"
#include "ui/x11/x11_resources.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// The main window and its controls as built from the description. It turns
// each X event into the events of the control it concerns and raises them;
// the dispatcher decides what reaches the recorder.
class Form {
 public:
  Form(const Connection& connection, Resources& resources, EventDispatcher& events,
       const DoubleClickSettings& doubleClicks);

  void Dispatch(XEvent& event);
  // While the fatal box is up: repaints and activation, no input.
  void DispatchBehindBox(XEvent& event);
  void Repaint(const XExposeEvent& exposed);
  void Show();

  Canvas& canvas() noexcept { return canvas_; }
  // Closed by the user or destroyed: the window records are to go.
  bool closed() const noexcept { return closed_; }

 private:
  struct ButtonSlot {
    ControlId id;
    PushButton button;
  };

  ButtonSlot* ButtonOf(Window window) noexcept;
  ButtonSlot* Focused() noexcept;
  void OnPress(const XButtonEvent& event);
  void OnRelease(const XButtonEvent& event);
  void OnMotion(XMotionEvent& event);
  void OnCrossing(const XCrossingEvent& event);
  void OnCanvasPointer(Event event, int x, int y, unsigned state);
  void OnButtonPress(ButtonSlot& slot, const XButtonEvent& event);
  void OnKeyPress(XKeyEvent& event);
  void OnKeyRelease(XKeyEvent& event);
  void OnFocusChange(const XFocusChangeEvent& event);
  void OnMapped(const XMapEvent& event);
  void OnClientMessage(const XClientMessageEvent& message);
  void OnDestroyed(const XDestroyWindowEvent& event);
  void OnMappingChange(XMappingEvent& event);
  void MoveFocus(ControlId from);
  void ShowFocusMarks();
  void RequestClose();

  const Connection& connection_;
  EventDispatcher& events_;
  const WindowDescription& description_ = kWindowDescription;
  MainWindow main_;
  Canvas canvas_;
  std::vector<ButtonSlot> buttons_;
  FocusTracker focus_;
  DoubleClickDetector doubleClicks_;
  bool managed_;
  bool active_ = false;
  bool closed_ = false;
};

}  // namespace veskaro::x11
