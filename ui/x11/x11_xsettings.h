#pragma once

#include "ui/double_click.h"
#include "ui/x11/x11_connection.h"

namespace veskaro::x11 {

// The desktop's double-click time and distance from its XSETTINGS manager,
// or the defaults where none runs.
DoubleClickSettings ReadDoubleClickSettings(const Connection& connection);

}  // namespace veskaro::x11
