// The start-up floor: the least an Xlib program does to show the same thing
// the program shows first. It opens the font the program opens, maps one
// window of the program's client size, and draws one line of text on the
// first Expose; then it waits to be killed.
//   veskaro_floor_start X Y WIDTH HEIGHT
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr char kCaptions[] = "playclear";  // the program's font covers these
constexpr char kLine[] = "clear play";

struct DisplayCloser {
  void operator()(Display* d) const noexcept { XCloseDisplay(d); }
};

// The pattern the program asks fontconfig for: its GUI font, 12 pixels,
// covering every caption.
XftFont* OpenFont(Display* d) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, 12);
  FcCharSet* characters = FcCharSetCreate();
  for (const char* c = kCaptions; *c != '\0'; ++c) FcCharSetAddChar(characters, *c);
  FcPatternAddCharSet(pattern, FC_CHARSET, characters);
  FcCharSetDestroy(characters);
  FcResult result = FcResultNoMatch;
  FcPattern* match = XftFontMatch(d, DefaultScreen(d), pattern, &result);
  FcPatternDestroy(pattern);
  return match != nullptr ? XftFontOpenPattern(d, match) : nullptr;
}

void DrawLine(Display* d, Window w, XftFont* font) {
  Visual* visual = DefaultVisual(d, DefaultScreen(d));
  const Colormap colormap = DefaultColormap(d, DefaultScreen(d));
  XftDraw* draw = XftDrawCreate(d, w, visual, colormap);
  XRenderColor black{0, 0, 0, 0xFFFF};
  XftColor colour{};
  XftColorAllocValue(d, visual, colormap, &black, &colour);
  XftDrawStringUtf8(draw, &colour, font, 136, 393,
                    reinterpret_cast<const FcChar8*>(kLine), sizeof kLine - 1);
  XftColorFree(d, visual, colormap, &colour);
  XftDrawDestroy(draw);
  XFlush(d);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
  if (!display) return 1;
  Display* d = display.get();
  XftFont* font = OpenFont(d);
  if (font == nullptr) return 1;
  XSetWindowAttributes attributes{};
  attributes.background_pixel = 0xF0F0F0;  // the program's 3D face
  attributes.event_mask = ExposureMask;
  const Window w =
      XCreateWindow(d, DefaultRootWindow(d), std::atoi(argv[1]), std::atoi(argv[2]),
                    static_cast<unsigned>(std::atoi(argv[3])),
                    static_cast<unsigned>(std::atoi(argv[4])), 0, CopyFromParent,
                    InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &attributes);
  XMapWindow(d, w);
  bool painted = false;
  for (;;) {
    XEvent event;
    XNextEvent(d, &event);
    if (event.type == Expose && !painted) {
      DrawLine(d, w, font);
      painted = true;
    }
  }
}
