#include "ui/x11/x11_resources.h"

#include <string>

#include "resources/hand.inc"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

namespace {

CursorOwner MakeHand(const Connection& c) {
  Display* d = c.display();
  auto bitmap = [&](const unsigned char* bits) {
    return PixmapOwner(
        d, XCreateBitmapFromData(d, c.root(), reinterpret_cast<const char*>(bits),
                                 art::kHandWidth, art::kHandHeight));
  };
  const PixmapOwner source = bitmap(art::kHandBits), mask = bitmap(art::kHandMaskBits);
  XColor black{}, white{};
  white.red = white.green = white.blue = 0xFFFF;
  return CursorOwner(d, XCreatePixmapCursor(d, source.get(), mask.get(), &black, &white,
                                            art::kHandHotX, art::kHandHotY));
}

std::string AllCaptions(const WindowDescription& description) {
  std::string text;
  for (const ControlEntry& c : description.controls) text += c.caption;
  return text;
}

}  // namespace

Resources::Resources(const Connection& connection, const WindowDescription& description)
    : palette_(connection),
      hand_(MakeHand(connection)),
      arrow_(connection.display(), XCreateFontCursor(connection.display(), XC_left_ptr)),
      captions_(OpenFontFor(connection, AllCaptions(description))),
      text_(connection, shade::kText) {}

}  // namespace veskaro::x11
