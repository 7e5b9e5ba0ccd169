#pragma once

#include <string_view>

#include "ui/window_description.h"
#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_handles.h"
#include "ui/x11/x11_palette.h"
#include "ui/x11/x11_text.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// The look shared by every push button the backend draws.
struct ButtonStyle {
  XftFont* font;
  const TextColour& text;
};

// A push button drawn by the backend: raised, sunken while held, with a
// focus mark. A click is a left press and release over it, or Space
// pressed and released while it has the focus.
class PushButton {
 public:
  PushButton(const Connection& connection, Palette& palette, const ButtonStyle& style,
             Window parent, const Rect& place, std::string_view caption);

  Window window() const noexcept { return window_.get(); }

  void Paint();
  void ShowFocus(bool focused);

  // OnRelease and OnSpaceUp tell whether the button was clicked.
  void OnPress(const XButtonEvent& event);
  bool OnRelease(const XButtonEvent& event);
  void OnCrossing(const XCrossingEvent& event);
  void OnSpaceDown();
  bool OnSpaceUp();
  // Drops a hold that can no longer become a click, as when focus leaves.
  void CancelHold();

 private:
  bool Inside(int x, int y) const noexcept;
  bool Sunken() const noexcept { return (mouseHeld_ && pointerInside_) || spaceHeld_; }
  void SetState(bool& field, bool value);
  void DrawFrame(bool sunken);
  void DrawFocusMark();

  const Connection& connection_;
  Palette& palette_;
  ButtonStyle style_;
  int width_, height_;
  std::string_view caption_;
  WindowOwner window_;
  GcOwner gc_;
  TextPainter text_;
  bool focused_ = false;
  bool mouseHeld_ = false;
  bool pointerInside_ = false;
  bool spaceHeld_ = false;
};

}  // namespace veskaro::x11
