#include "tests/e2e/harness/cursor.h"

#include <X11/extensions/Xfixes.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace veskaro::e2e {

bool PointerImage::BlackAndWhite() const {
  return std::all_of(argb.begin(), argb.end(), [](std::uint32_t p) {
    return p == 0xFF000000u || p == 0xFFFFFFFFu || (p >> 24) == 0;
  });
}

PointerImage CurrentCursor(const XDisplay& display) {
  int event = 0, error = 0;
  if (!XFixesQueryExtension(display.get(), &event, &error)) {
    throw std::runtime_error("the X server has no XFIXES extension");
  }
  struct Freer {
    void operator()(XFixesCursorImage* image) const { XFree(image); }
  };
  const std::unique_ptr<XFixesCursorImage, Freer> image(
      XFixesGetCursorImage(display.get()));
  if (!image) throw std::runtime_error("XFixesGetCursorImage failed");
  PointerImage shape{image->width, image->height, image->xhot, image->yhot, {}};
  // The pixels come as unsigned long, one 32-bit ARGB value each.
  const std::size_t count = std::size_t{image->width} * image->height;
  for (std::size_t i = 0; i < count; ++i) {
    shape.argb.push_back(static_cast<std::uint32_t>(image->pixels[i]));
  }
  return shape;
}

}  // namespace veskaro::e2e
