#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace veskaro {

enum class ControlKind { Window, DrawPanel, Button, Timer };

// Every element that can raise an event. The values index nothing.
enum class ControlId { MainWindow, Clock1, Button2, Button1, Canvas1 };

enum class Event {
  Created,
  PositionChanged,
  SizeChanged,
  Shown,
  CanClose,
  WillBeDestroyed,
  GotFocus,
  LostFocus,
  KeyDown,
  KeyUp,
  Char,
  Clicked,
  Tick,
  LeftDown,
  LeftUp,
  MouseMove,
  DoubleClick,
  RightDown,
  RightUp,
  Wheel,
};

enum class Handler {
  OnWindowCreated,
  OnTimerTick,
  OnPlayClicked,
  OnClearClicked,
  OnCanvasLeftDown,
  OnCanvasLeftUp,
  OnCanvasMouseMove,
};

enum class PointerShape { Arrow, PointingHand };

struct Rect {
  std::int32_t left, top, width, height;
  constexpr std::int32_t right() const { return left + width; }
  constexpr std::int32_t bottom() const { return top + height; }
};

struct WindowSettings {
  std::string_view title;
  std::int32_t width, height;
  std::int32_t left, top;  // never used: the window starts centred
  bool centred;
  bool fixedBorder, controlBox, minimizeBox, maximizeBox, movable;
  bool escCloses, enterMovesFocus, f1Help, showInTaskbar;
  bool dragByClientArea, alwaysOnTop, keepCaptionActive;
  bool visible, enabled;
};

struct ControlEntry {
  ControlId id;
  std::string_view name;
  ControlKind kind;
  Rect rect;
  std::string_view caption;
  bool visible;
  bool tabStop;
  std::int32_t tabOrder;
  PointerShape pointer;
};

struct ButtonSettings {
  ControlId id;
  bool defaultButton;
  bool centredHorizontally, centredVertically, multiline;
};

// Colours are 0xRRGGBB.
struct CanvasSettings {
  bool border;
  std::uint32_t backgroundColour;
  bool autoRedraw;
  std::int32_t penWidth;
  std::uint32_t penColour;
};

struct TimerSettings {
  std::int32_t period;
};

struct EventBinding {
  ControlId control;
  Event event;
  Handler handler;
};

struct WindowDescription {
  WindowSettings window;
  std::array<ControlEntry, 4> controls;  // declaration order, first on top
  std::array<ButtonSettings, 2> buttons;
  CanvasSettings canvas;
  TimerSettings timer;
  std::array<EventBinding, 7> bindings;

  // The entry of a declared control; the main window has none.
  constexpr const ControlEntry& Control(ControlId id) const {
    for (const ControlEntry& c : controls) {
      if (c.id == id) return c;
    }
    return controls.back();  // unreachable for the declared ids
  }
};

namespace declared {

constexpr WindowSettings kMainWindow{
    .title = "Veskaro 动画录制",
    .width = 502,
    .height = 441,
    .left = 50,
    .top = 50,
    .centred = true,
    .fixedBorder = true,
    .controlBox = true,
    .minimizeBox = true,
    .maximizeBox = false,
    .movable = true,
    .escCloses = true,
    .enterMovesFocus = false,
    .f1Help = false,
    .showInTaskbar = true,
    .dragByClientArea = false,
    .alwaysOnTop = false,
    .keepCaptionActive = false,
    .visible = true,
    .enabled = true,
};

constexpr ControlEntry kClock1{ControlId::Clock1,
                               "时钟1",
                               ControlKind::Timer,
                               {400, 368, 26, 26},
                               "",
                               false,
                               false,
                               0,
                               PointerShape::Arrow};
constexpr ControlEntry kButton2{ControlId::Button2,
                                "按钮2",
                                ControlKind::Button,
                                {256, 368, 72, 40},
                                "play",
                                true,
                                true,
                                0,
                                PointerShape::Arrow};
constexpr ControlEntry kButton1{ControlId::Button1,
                                "按钮1",
                                ControlKind::Button,
                                {128, 368, 72, 40},
                                "clear",
                                true,
                                true,
                                0,
                                PointerShape::Arrow};
constexpr ControlEntry kCanvas1{ControlId::Canvas1,
                                "画板1",
                                ControlKind::DrawPanel,
                                {24, 24, 448, 336},
                                "",
                                true,
                                false,
                                0,
                                PointerShape::PointingHand};

}  // namespace declared

// The main window and its controls, exactly as declared.
inline constexpr WindowDescription kWindowDescription{
    .window = declared::kMainWindow,
    .controls = {declared::kClock1, declared::kButton2, declared::kButton1,
                 declared::kCanvas1},
    .buttons = {{{ControlId::Button2, false, true, true, true},
                 {ControlId::Button1, false, true, true, true}}},
    .canvas = {.border = false,
               .backgroundColour = 0xFFFFFF,
               .autoRedraw = true,
               .penWidth = 4,
               .penColour = 0x000000},
    .timer = {.period = 0},
    .bindings = {{
        {ControlId::MainWindow, Event::Created, Handler::OnWindowCreated},
        {ControlId::Clock1, Event::Tick, Handler::OnTimerTick},
        {ControlId::Button2, Event::Clicked, Handler::OnPlayClicked},
        {ControlId::Button1, Event::Clicked, Handler::OnClearClicked},
        {ControlId::Canvas1, Event::LeftDown, Handler::OnCanvasLeftDown},
        {ControlId::Canvas1, Event::LeftUp, Handler::OnCanvasLeftUp},
        {ControlId::Canvas1, Event::MouseMove, Handler::OnCanvasMouseMove},
    }},
};

// The canvas's client area, for the checks of pointer positions.
constexpr bool InsideCanvas(const WindowDescription& d, std::int32_t x, std::int32_t y) {
  const Rect r = d.Control(ControlId::Canvas1).rect;
  return x >= 0 && y >= 0 && x < r.width && y < r.height;
}

}  // namespace veskaro
