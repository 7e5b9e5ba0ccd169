#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/x11/x11_button.h"
#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_handles.h"
#include "ui/x11/x11_palette.h"
#include "ui/x11/x11_text.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// The fatal-error box: the stop sign, the text and one OK button, which
// Return, Space, Esc, a click or the close box dismiss.
class FatalBox {
 public:
  FatalBox(const Connection& connection, Palette& palette, std::string_view caption,
           std::string_view text);

  bool dismissed() const noexcept { return dismissed_; }
  bool Owns(Window window) const noexcept;
  void Dispatch(XEvent& event);

 private:
  void Paint();
  void OnKey(XKeyEvent& event);

  const Connection& connection_;
  Palette& palette_;
  std::vector<std::string> lines_;
  FontOwner font_;
  TextColour colour_;
  int lineHeight_, textWidth_, width_, height_;
  WindowOwner window_;
  GcOwner gc_;
  TextPainter text_;
  PushButton ok_;
  bool dismissed_ = false;
};

// Shows the box until it is dismissed. Meanwhile every other event goes to
// `behind`, which repaints and takes no input.
void RunFatalBox(const Connection& connection, Palette& palette, std::string_view caption,
                 std::string_view text, const std::function<void(XEvent&)>& behind);

}  // namespace veskaro::x11
