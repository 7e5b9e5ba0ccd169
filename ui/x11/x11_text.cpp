#include "ui/x11/x11_text.h"

#include <fontconfig/fontconfig.h>

namespace veskaro::x11 {

namespace {

const FcChar8* Utf8(std::string_view text) {
  return reinterpret_cast<const FcChar8*>(text.data());
}

// Every character of `text`; a malformed byte ends the walk.
FcCharSet* CharactersOf(std::string_view text) {
  FcCharSet* set = FcCharSetCreate();
  std::size_t at = 0;
  while (at < text.size()) {
    FcChar32 ch = 0;
    const int used =
        FcUtf8ToUcs4(Utf8(text.substr(at)), &ch, static_cast<int>(text.size() - at));
    if (used <= 0) break;
    if (ch >= 0x20) FcCharSetAddChar(set, ch);
    at += static_cast<std::size_t>(used);
  }
  return set;
}

}  // namespace

FontOwner OpenFontFor(const Connection& connection, std::string_view text,
                      double pixelSize) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
  FcCharSet* characters = CharactersOf(text);
  FcPatternAddCharSet(pattern, FC_CHARSET, characters);
  FcCharSetDestroy(characters);
  FcResult result = FcResultNoMatch;
  FcPattern* match =
      XftFontMatch(connection.display(), connection.screen(), pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return {};
  XftFont* font = XftFontOpenPattern(connection.display(), match);
  if (font == nullptr) FcPatternDestroy(match);  // opened fonts own their pattern
  return FontOwner(connection.display(), font);
}

TextColour::TextColour(const Connection& connection, std::uint32_t rgb)
    : connection_(connection) {
  XRenderColor value{};
  value.red = static_cast<unsigned short>(((rgb >> 16) & 0xFF) * 0x101);
  value.green = static_cast<unsigned short>(((rgb >> 8) & 0xFF) * 0x101);
  value.blue = static_cast<unsigned short>((rgb & 0xFF) * 0x101);
  value.alpha = 0xFFFF;
  allocated_ = XftColorAllocValue(connection.display(), connection.visual(),
                                  connection.colormap(), &value, &colour_);
}

TextColour::~TextColour() {
  if (allocated_) {
    XftColorFree(connection_.display(), connection_.visual(), connection_.colormap(),
                 &colour_);
  }
}

TextSize Measure(const Connection& connection, XftFont* font, std::string_view text) {
  if (font == nullptr) return {0, 0, 0};
  XGlyphInfo extents{};
  XftTextExtentsUtf8(connection.display(), font, Utf8(text),
                     static_cast<int>(text.size()), &extents);
  return {extents.xOff, font->ascent, font->descent};
}

TextPainter::TextPainter(const Connection& connection, Drawable target)
    : connection_(connection),
      draw_(connection.display(),
            XftDrawCreate(connection.display(), target, connection.visual(),
                          connection.colormap())) {}

void TextPainter::Draw(XftFont* font, const TextColour& colour, int x, int baseline,
                       std::string_view text) {
  if (font == nullptr || !draw_) return;
  XftDrawStringUtf8(draw_.get(), &colour.get(), font, x, baseline, Utf8(text),
                    static_cast<int>(text.size()));
}

void TextPainter::DrawCentred(XftFont* font, const TextColour& colour, int left, int top,
                              int width, int height, std::string_view text) {
  const TextSize size = Measure(connection_, font, text);
  const int x = left + (width - size.width) / 2;
  const int baseline = top + (height - size.ascent - size.descent) / 2 + size.ascent;
  Draw(font, colour, x, baseline, text);
}

}  // namespace veskaro::x11
