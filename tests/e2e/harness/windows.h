#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness/geometry.h"
#include "tests/e2e/harness/x_display.h"

namespace veskaro::e2e {

// What a window manager or a pager reads about a window.
std::optional<std::string> NetWmName(const XDisplay& x, Window window);
std::optional<std::string> WmName(const XDisplay& x, Window window);  // as UTF-8

// Every window anywhere in the tree whose _NET_WM_NAME, or else WM_NAME, is
// the title (with a window manager, clients sit inside its frames).
std::vector<Window> FindWindowsByTitle(const XDisplay& x, const std::string& title);

std::vector<Window> Children(const XDisplay& x, Window window);
bool IsShown(const XDisplay& x, Window window);
// The place relative to the parent, border excluded.
std::optional<Rect> Geometry(const XDisplay& x, Window window);
// The window's inside on the screen.
std::optional<Rect> RootRect(const XDisplay& x, Window window);

struct FrameExtents {
  int left = 0, right = 0, top = 0, bottom = 0;
};
std::optional<FrameExtents> NetFrameExtents(const XDisplay& x, Window window);

// Whether the keyboard focus is on the window or inside it.
bool HasKeyboardFocus(const XDisplay& x, Window window);

}  // namespace veskaro::e2e

namespace veskaro::e2e {

// What a window manager sends when the user closes the window from its frame.
void SendDeleteWindow(const XDisplay& x, Window window);
// What a pager or a task bar asks the window manager for.
void AskManagerToActivate(const XDisplay& x, Window window);
void AskManagerToClose(const XDisplay& x, Window window);

}  // namespace veskaro::e2e
