#include "ui/x11/x11_form.h"

#include <optional>

#include "ui/keys.h"
#include "ui/x11/x11_event_loop.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

namespace {

// Any client on the display can forge input with XSendEvent (send_event is
// then set); like terminals, the program ignores such input.
bool IsForgedInput(const XEvent& event) {
  switch (event.type) {
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
    case KeyPress:
    case KeyRelease:
      return event.xany.send_event;
    default:
      return false;
  }
}

std::int32_t KeysOf(unsigned state) {
  std::int32_t keys = 0;
  if (state & ControlMask) keys |= kCtrl;
  if (state & ShiftMask) keys |= kShift;
  if (state & Mod1Mask) keys |= kAlt;
  return keys;
}

Key KeyOf(KeySym sym) {
  switch (sym) {
    case XK_Tab:
    case XK_ISO_Left_Tab:
      return Key::Tab;
    case XK_Escape:
      return Key::Escape;
    case XK_Return:
    case XK_KP_Enter:
      return Key::Return;
    case XK_F1:
      return Key::F1;
    default:
      return Key::Other;
  }
}

std::optional<Event> PressEvent(unsigned button, bool second) {
  switch (button) {
    case kLeftButton:
      return second ? Event::DoubleClick : Event::LeftDown;
    case kRightButton:
      return Event::RightDown;
    case kWheelUp:
    case kWheelDown:
      return Event::Wheel;
    default:
      return std::nullopt;
  }
}

std::optional<Event> ReleaseEvent(unsigned button) {
  switch (button) {
    case kLeftButton:
      return Event::LeftUp;
    case kRightButton:
      return Event::RightUp;
    default:
      return std::nullopt;
  }
}

// Focus changes that come from keyboard grabs, or that only follow the
// pointer, leave the window's activation as it was.
bool ChangesActivation(const XFocusChangeEvent& event) {
  return event.mode != NotifyGrab && event.mode != NotifyUngrab &&
         event.detail != NotifyPointer && event.detail != NotifyInferior;
}

}  // namespace

Form::Form(const Connection& connection, Resources& resources, EventDispatcher& events,
           const DoubleClickSettings& doubleClicks)
    : connection_(connection),
      events_(events),
      main_(connection, resources.palette(), description_, resources.arrow()),
      canvas_(connection, resources.palette(), main_.window(),
              description_.Control(ControlId::Canvas1).rect, description_.canvas,
              resources.hand()),
      focus_(description_),
      doubleClicks_(doubleClicks),
      managed_(connection.WindowManagerRunning()) {
  const ButtonStyle style{resources.captionFont(), resources.text()};
  buttons_.reserve(description_.controls.size());
  // X puts each new child on top, so the first declared is made last.
  for (auto c = description_.controls.rbegin(); c != description_.controls.rend(); ++c) {
    if (c->kind != ControlKind::Button) continue;
    buttons_.push_back({c->id, PushButton(connection, resources.palette(), style,
                                          main_.window(), c->rect, c->caption)});
  }
  XMapSubwindows(connection.display(), main_.window());
  main_.Place();
}

void Form::Dispatch(XEvent& event) {
  if (IsForgedInput(event)) return;
  switch (event.type) {
    case Expose:
      return Repaint(event.xexpose);
    case ButtonPress:
      return OnPress(event.xbutton);
    case ButtonRelease:
      return OnRelease(event.xbutton);
    case MotionNotify:
      return OnMotion(event.xmotion);
    case EnterNotify:
    case LeaveNotify:
      return OnCrossing(event.xcrossing);
    case KeyPress:
      return OnKeyPress(event.xkey);
    case KeyRelease:
      return OnKeyRelease(event.xkey);
    case FocusIn:
    case FocusOut:
      return OnFocusChange(event.xfocus);
    case MapNotify:
      return OnMapped(event.xmap);
    case DestroyNotify:
      return OnDestroyed(event.xdestroywindow);
    case PropertyNotify:
      return main_.OnPropertyChange(event.xproperty);
    case ClientMessage:
      return OnClientMessage(event.xclient);
    case MappingNotify:
      return OnMappingChange(event.xmapping);
    default:
      return;
  }
}

void Form::DispatchBehindBox(XEvent& event) {
  if (event.type == Expose) return Repaint(event.xexpose);
  if (event.type == FocusIn || event.type == FocusOut) OnFocusChange(event.xfocus);
}

Form::ButtonSlot* Form::ButtonOf(Window window) noexcept {
  for (ButtonSlot& slot : buttons_) {
    if (slot.button.window() == window) return &slot;
  }
  return nullptr;
}

Form::ButtonSlot* Form::Focused() noexcept {
  for (ButtonSlot& slot : buttons_) {
    if (slot.id == focus_.focused()) return &slot;
  }
  return nullptr;
}

void Form::Repaint(const XExposeEvent& exposed) {
  if (exposed.window == canvas_.window()) return canvas_.Repaint(exposed);
  ButtonSlot* slot = ButtonOf(exposed.window);
  if (slot != nullptr && exposed.count == 0) slot->button.Paint();
}

void Form::Show() { main_.Show(); }

void Form::OnPress(const XButtonEvent& event) {
  const bool second = event.button <= kRightButton &&
                      doubleClicks_.IsSecondPress(event.window, event.button, event.time,
                                                  event.x, event.y);
  if (event.window == canvas_.window()) {
    if (const auto e = PressEvent(event.button, second)) {
      OnCanvasPointer(*e, event.x, event.y, event.state);
    }
  } else if (ButtonSlot* slot = ButtonOf(event.window)) {
    OnButtonPress(*slot, event);
  }
}

void Form::OnButtonPress(ButtonSlot& slot, const XButtonEvent& event) {
  if (event.button != kLeftButton) return;
  const ControlId before = focus_.focused();
  focus_.Focus(slot.id);
  MoveFocus(before);
  slot.button.OnPress(event);
  events_.Raise(slot.id, Event::LeftDown);
}

void Form::OnRelease(const XButtonEvent& event) {
  if (event.window == canvas_.window()) {
    if (const auto e = ReleaseEvent(event.button)) {
      OnCanvasPointer(*e, event.x, event.y, event.state);
    }
  } else if (ButtonSlot* slot = ButtonOf(event.window)) {
    const bool clicked = slot->button.OnRelease(event);
    if (event.button == kLeftButton) events_.Raise(slot->id, Event::LeftUp);
    if (clicked) events_.Raise(slot->id, Event::Clicked);
  }
}

void Form::OnMotion(XMotionEvent& event) {
  if (event.window != canvas_.window()) return;
  TakeNewestMove(connection_.display(), event);
  OnCanvasPointer(Event::MouseMove, event.x, event.y, event.state);
}

// The canvas keeps no hold on the pointer: under a grab, events beyond its
// area still arrive here, and are dropped as Windows would not send them.
void Form::OnCanvasPointer(Event event, int x, int y, unsigned state) {
  if (!InsideCanvas(description_, x, y)) return;
  events_.Raise(ControlId::Canvas1, event, {x, y, KeysOf(state)});
}

void Form::OnCrossing(const XCrossingEvent& event) {
  if (ButtonSlot* slot = ButtonOf(event.window)) slot->button.OnCrossing(event);
}

void Form::OnKeyPress(XKeyEvent& event) {
  const KeySym sym = XLookupKeysym(&event, 0);
  const std::int32_t modifiers = KeysOf(event.state);
  const ControlId before = focus_.focused();
  const KeyAction action = MainWindowKeyAction(KeyOf(sym), modifiers);
  switch (action) {
    case KeyAction::FocusNext:
    case KeyAction::FocusPrevious:
      focus_.Tab(action == KeyAction::FocusPrevious);
      return MoveFocus(before);
    case KeyAction::Close:
      return RequestClose();
    case KeyAction::Swallow:
      return;
    case KeyAction::Pass:
      break;
  }
  events_.Raise(before, Event::KeyDown);
  ButtonSlot* slot = Focused();
  if (slot != nullptr && sym == XK_space && (modifiers & kAlt) == 0) {
    slot->button.OnSpaceDown();
  }
}

void Form::OnKeyRelease(XKeyEvent& event) {
  const KeySym sym = XLookupKeysym(&event, 0);
  events_.Raise(focus_.focused(), Event::KeyUp);
  ButtonSlot* slot = Focused();
  if (slot != nullptr && sym == XK_space && slot->button.OnSpaceUp()) {
    events_.Raise(slot->id, Event::Clicked);
  }
}

void Form::MoveFocus(ControlId from) {
  const ControlId to = focus_.focused();
  if (to == from) return;
  ShowFocusMarks();
  if (!active_) return;
  events_.Raise(from, Event::LostFocus);
  events_.Raise(to, Event::GotFocus);
}

void Form::ShowFocusMarks() {
  for (ButtonSlot& slot : buttons_) {
    slot.button.ShowFocus(active_ && slot.id == focus_.focused());
  }
}

// Activation hands the focus back to the button that had it: the tracker
// never lets it go, so only the marks and the events follow.
void Form::OnFocusChange(const XFocusChangeEvent& event) {
  if (event.window != main_.window() || !ChangesActivation(event)) return;
  const bool active = event.type == FocusIn;
  if (active == active_) return;
  active_ = active;
  ShowFocusMarks();
  events_.Raise(focus_.focused(), active ? Event::GotFocus : Event::LostFocus);
}

void Form::OnMapped(const XMapEvent& event) {
  if (event.window != main_.window()) return;
  events_.Raise(ControlId::MainWindow, Event::Shown);
  // Showing activates the window; without a window manager nobody else would.
  if (!managed_) {
    XSetInputFocus(connection_.display(), main_.window(), RevertToParent, CurrentTime);
  }
}

void Form::OnClientMessage(const XClientMessageEvent& message) {
  if (message.window == main_.window() && main_.IsCloseRequest(message)) RequestClose();
}

// Another client may destroy the window; that ends the program like closing.
void Form::OnDestroyed(const XDestroyWindowEvent& event) {
  if (event.window == main_.window()) closed_ = true;
}

void Form::OnMappingChange(XMappingEvent& event) { XRefreshKeyboardMapping(&event); }

void Form::RequestClose() {
  events_.Raise(ControlId::MainWindow, Event::CanClose);
  closed_ = true;
}

}  // namespace veskaro::x11
