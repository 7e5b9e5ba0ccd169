#pragma once

#include <cstdint>
#include <string_view>

#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_handles.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// The pixel size of the captions: the default GUI font's equivalent.
inline constexpr double kGuiFontPixels = 12;

// A sans font whose characters cover all of `text`. Xft has no per-glyph
// fallback, so the charset goes into the pattern: Chinese text then gets a
// CJK font wherever one is installed. Empty when no font matches at all.
FontOwner OpenFontFor(const Connection& connection, std::string_view text,
                      double pixelSize = kGuiFontPixels);

// One solid colour for Xft text.
class TextColour {
 public:
  TextColour(const Connection& connection, std::uint32_t rgb);
  TextColour(const TextColour&) = delete;
  TextColour& operator=(const TextColour&) = delete;
  ~TextColour();

  const XftColor& get() const noexcept { return colour_; }

 private:
  const Connection& connection_;
  XftColor colour_{};
  bool allocated_ = false;
};

struct TextSize {
  int width, ascent, descent;
};

TextSize Measure(const Connection& connection, XftFont* font, std::string_view text);

// Draws UTF-8 text on one window.
class TextPainter {
 public:
  TextPainter(const Connection& connection, Drawable target);

  void Draw(XftFont* font, const TextColour& colour, int x, int baseline,
            std::string_view text);
  // `text` centred in the box (left, top, width, height).
  void DrawCentred(XftFont* font, const TextColour& colour, int left, int top, int width,
                   int height, std::string_view text);

 private:
  const Connection& connection_;
  DrawOwner draw_;
};

}  // namespace veskaro::x11
