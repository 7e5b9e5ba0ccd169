#pragma once

#include <windows.h>

#include "ui/win32/handles.h"

namespace veskaro::win32 {

// The program's own window classes, registered for the whole run.
struct WindowClasses {
  explicit WindowClasses(HINSTANCE instance) noexcept;
  bool registered() const noexcept {
    return main.registered() && canvas.registered() && timer.registered();
  }

  WindowClass main;
  WindowClass canvas;
  WindowClass timer;
};

}  // namespace veskaro::win32
