#include "ui/x11/x11_palette.h"

namespace veskaro::x11 {

Palette::~Palette() {
  for (Entry& e : entries_) {
    XFreeColors(connection_.display(), connection_.colormap(), &e.pixel, 1, 0);
  }
}

unsigned long Palette::Pixel(std::uint32_t rgb) {
  for (const Entry& e : entries_) {
    if (e.rgb == rgb) return e.pixel;
  }
  XColor colour{};
  // X colour channels are 16 bits: 0xAB becomes 0xABAB.
  colour.red = static_cast<unsigned short>(((rgb >> 16) & 0xFF) * 0x101);
  colour.green = static_cast<unsigned short>(((rgb >> 8) & 0xFF) * 0x101);
  colour.blue = static_cast<unsigned short>((rgb & 0xFF) * 0x101);
  colour.flags = DoRed | DoGreen | DoBlue;
  if (!XAllocColor(connection_.display(), connection_.colormap(), &colour)) {
    const bool light =
        ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) > 3 * 0x80;
    return light ? WhitePixel(connection_.display(), connection_.screen())
                 : BlackPixel(connection_.display(), connection_.screen());
  }
  entries_.push_back({rgb, colour.pixel});
  return colour.pixel;
}

}  // namespace veskaro::x11
