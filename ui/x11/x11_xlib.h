#pragma once

// Every X header the backend uses, in one place: X.h defines Button1 to
// Button5 as macros, which would break ControlId::Button1 and Button2, so
// they are undone here and named below instead. Include this before any
// other X header.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>

#undef Button1
#undef Button2
#undef Button3
#undef Button4
#undef Button5

namespace veskaro::x11 {

// The pointer buttons of X events.
enum PointerButton : unsigned {
  kLeftButton = 1,
  kMiddleButton,
  kRightButton,
  kWheelUp,
  kWheelDown
};

}  // namespace veskaro::x11
