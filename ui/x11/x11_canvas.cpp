#include "ui/x11/x11_canvas.h"

#include <algorithm>

namespace veskaro::x11 {

namespace {

constexpr long kCanvasEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask |
                               PointerMotionMask | OwnerGrabButtonMask;

// No background (not XCreateSimpleWindow), so the server never paints white
// over the drawing before the exposure copies it back.
Window CreateCanvasWindow(const Connection& c, Window parent, const Rect& place,
                          Cursor pointer) {
  XSetWindowAttributes attributes{};
  attributes.background_pixmap = None;
  attributes.event_mask = kCanvasEvents;
  attributes.cursor = pointer;
  return XCreateWindow(
      c.display(), parent, place.left, place.top, static_cast<unsigned>(place.width),
      static_cast<unsigned>(place.height), 0, CopyFromParent, InputOutput, CopyFromParent,
      CWBackPixmap | CWEventMask | CWCursor, &attributes);
}

}  // namespace

Canvas::Canvas(const Connection& connection, Palette& palette, Window parent,
               const Rect& place, const CanvasSettings& settings, Cursor pointer)
    : display_(connection.display()),
      width_(std::max(place.width, 1)),
      height_(std::max(place.height, 1)),
      window_(display_, CreateCanvasWindow(connection, parent, place, pointer)),
      picture_(display_,
               XCreatePixmap(display_, window_.get(), static_cast<unsigned>(width_),
                             static_cast<unsigned>(height_),
                             static_cast<unsigned>(connection.depth()))) {
  MakeGcs(palette, settings);
  XFillRectangle(display_, picture_.get(), eraser_.get(), 0, 0,
                 static_cast<unsigned>(width_), static_cast<unsigned>(height_));
}

void Canvas::MakeGcs(Palette& palette, const CanvasSettings& settings) {
  XGCValues pen{};
  pen.foreground = palette.Pixel(settings.penColour);
  pen.line_width = settings.penWidth;
  pen.line_style = LineSolid;
  pen.cap_style = CapRound;
  pen.join_style = JoinRound;
  pen.graphics_exposures = False;
  pen_ = GcOwner(display_, XCreateGC(display_, picture_.get(),
                                     GCForeground | GCLineWidth | GCLineStyle |
                                         GCCapStyle | GCJoinStyle | GCGraphicsExposures,
                                     &pen));
  XGCValues eraser{};
  eraser.foreground = palette.Pixel(settings.backgroundColour);
  eraser.graphics_exposures = False;
  eraser_ = GcOwner(display_, XCreateGC(display_, picture_.get(),
                                        GCForeground | GCGraphicsExposures, &eraser));
  // Without graphics_exposures off, every copy would send a NoExpose back.
  XGCValues copier{};
  copier.graphics_exposures = False;
  copier_ = GcOwner(display_,
                    XCreateGC(display_, picture_.get(), GCGraphicsExposures, &copier));
}

void Canvas::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                      std::int32_t y2) {
  if (!window_) return;
  XDrawLine(display_, picture_.get(), pen_.get(), x1, y1, x2, y2);
  XDrawLine(display_, window_.get(), pen_.get(), x1, y1, x2, y2);
}

void Canvas::Clear() {
  if (!window_) return;
  const auto w = static_cast<unsigned>(width_), h = static_cast<unsigned>(height_);
  XFillRectangle(display_, picture_.get(), eraser_.get(), 0, 0, w, h);
  XFillRectangle(display_, window_.get(), eraser_.get(), 0, 0, w, h);
}

void Canvas::Repaint(const XExposeEvent& exposed) {
  const int right = std::min(exposed.x + exposed.width, width_);
  const int bottom = std::min(exposed.y + exposed.height, height_);
  if (right <= exposed.x || bottom <= exposed.y) return;
  XCopyArea(display_, picture_.get(), window_.get(), copier_.get(), exposed.x, exposed.y,
            static_cast<unsigned>(right - exposed.x),
            static_cast<unsigned>(bottom - exposed.y), exposed.x, exposed.y);
}

}  // namespace veskaro::x11
