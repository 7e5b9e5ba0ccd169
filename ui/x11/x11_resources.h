#pragma once

#include "ui/window_description.h"
#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_handles.h"
#include "ui/x11/x11_palette.h"
#include "ui/x11/x11_text.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// What outlives the windows: colours, pointers, the caption font.
class Resources {
 public:
  Resources(const Connection& connection, const WindowDescription& description);

  Palette& palette() noexcept { return palette_; }
  Cursor hand() const noexcept { return hand_.get(); }
  Cursor arrow() const noexcept { return arrow_.get(); }
  XftFont* captionFont() const noexcept { return captions_.get(); }
  const TextColour& text() const noexcept { return text_; }

 private:
  Palette palette_;
  CursorOwner hand_, arrow_;
  FontOwner captions_;
  TextColour text_;
};

}  // namespace veskaro::x11
