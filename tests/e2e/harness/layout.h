#pragma once

#include "tests/e2e/harness/geometry.h"

// What the user is promised about the window, in the main window's client
// coordinates unless said otherwise.
namespace veskaro::e2e::layout {

inline constexpr char kTitle[] = "Veskaro 动画录制";
inline constexpr char kFatalCaption[] = "错误";

inline constexpr Rect kCanvas{24, 24, 448, 336};
inline constexpr Rect kClear{128, 368, 72, 40};
inline constexpr Rect kPlay{256, 368, 72, 40};
// Where the invisible timer is declared: plain window background.
inline constexpr Rect kTimerSquare{400, 368, 26, 26};

// The outer rectangle, frame included, centred on a 1024 x 768 screen.
inline constexpr Rect kOuterOnScreen{261, 163, 502, 441};
// The client size where no window manager draws a frame.
inline constexpr int kUnframedWidth = 496, kUnframedHeight = 416;

constexpr Point Centre(const Rect& r) { return {r.x + r.width / 2, r.y + r.height / 2}; }

}  // namespace veskaro::e2e::layout
