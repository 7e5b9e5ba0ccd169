#pragma once

#include <string_view>

#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// The properties that a top-level window of the program gives its window
// manager.
void SetTitle(const Connection& connection, Window window, std::string_view utf8);
void SetFixedSize(const Connection& connection, Window window, int x, int y, int width,
                  int height);
// Class, input hint, pid, type and WM_DELETE_WINDOW.
void SetIdentity(const Connection& connection, Window window, Atom type);

}  // namespace veskaro::x11
