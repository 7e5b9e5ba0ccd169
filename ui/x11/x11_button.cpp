#include "ui/x11/x11_button.h"

namespace veskaro::x11 {

namespace {

// No OwnerGrabButtonMask: a pressed button keeps the implicit grab, so a
// drag from it onto the canvas reaches only the button.
constexpr long kButtonEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask |
                               EnterWindowMask | LeaveWindowMask;

Window CreateButtonWindow(const Connection& c, Palette& palette, Window parent,
                          const Rect& place) {
  XSetWindowAttributes attributes{};
  attributes.background_pixel = palette.Pixel(shade::kFace);
  attributes.event_mask = kButtonEvents;
  return XCreateWindow(
      c.display(), parent, place.left, place.top, static_cast<unsigned>(place.width),
      static_cast<unsigned>(place.height), 0, CopyFromParent, InputOutput, CopyFromParent,
      CWBackPixel | CWEventMask, &attributes);
}

}  // namespace

PushButton::PushButton(const Connection& connection, Palette& palette,
                       const ButtonStyle& style, Window parent, const Rect& place,
                       std::string_view caption)
    : connection_(connection),
      palette_(palette),
      style_(style),
      width_(place.width),
      height_(place.height),
      caption_(caption),
      window_(connection.display(),
              CreateButtonWindow(connection, palette, parent, place)),
      gc_(connection.display(),
          XCreateGC(connection.display(), window_.get(), 0, nullptr)),
      text_(connection, window_.get()) {}

void PushButton::Paint() {
  Display* d = connection_.display();
  const bool sunken = Sunken();
  XSetForeground(d, gc_.get(), palette_.Pixel(shade::kFace));
  XFillRectangle(d, window_.get(), gc_.get(), 0, 0, static_cast<unsigned>(width_),
                 static_cast<unsigned>(height_));
  DrawFrame(sunken);
  // A held button's caption moves down and right by one pixel, as pressed.
  const int shift = sunken ? 1 : 0;
  text_.DrawCentred(style_.font, style_.text, shift, shift, width_, height_, caption_);
  if (focused_) DrawFocusMark();
}

void PushButton::DrawFrame(bool sunken) {
  Display* d = connection_.display();
  const Window w = window_.get();
  GC gc = gc_.get();
  const int r = width_ - 1, b = height_ - 1;
  auto edge = [&](std::uint32_t rgb, int x1, int y1, int x2, int y2) {
    XSetForeground(d, gc, palette_.Pixel(rgb));
    XDrawLine(d, w, gc, x1, y1, x2, y2);
  };
  const std::uint32_t outerLit = sunken ? shade::kDarkShadow : shade::kHighlight;
  const std::uint32_t outerDark = sunken ? shade::kHighlight : shade::kDarkShadow;
  const std::uint32_t innerLit = sunken ? shade::kShadow : shade::kLight;
  const std::uint32_t innerDark = sunken ? shade::kLight : shade::kShadow;
  edge(outerLit, 0, 0, r - 1, 0);
  edge(outerLit, 0, 0, 0, b - 1);
  edge(outerDark, 0, b, r, b);
  edge(outerDark, r, 0, r, b);
  edge(innerLit, 1, 1, r - 2, 1);
  edge(innerLit, 1, 1, 1, b - 2);
  edge(innerDark, 1, b - 1, r - 1, b - 1);
  edge(innerDark, r - 1, 1, r - 1, b - 1);
}

void PushButton::DrawFocusMark() {
  Display* d = connection_.display();
  GC gc = gc_.get();
  static constexpr char kDots[] = {1, 1};
  XSetForeground(d, gc, palette_.Pixel(shade::kText));
  XSetLineAttributes(d, gc, 0, LineOnOffDash, CapButt, JoinMiter);
  XSetDashes(d, gc, 0, kDots, 2);
  constexpr int kInset = 3;
  XDrawRectangle(d, window_.get(), gc, kInset, kInset,
                 static_cast<unsigned>(width_ - 2 * kInset - 1),
                 static_cast<unsigned>(height_ - 2 * kInset - 1));
  XSetLineAttributes(d, gc, 0, LineSolid, CapButt, JoinMiter);
}

void PushButton::ShowFocus(bool focused) {
  if (!focused) CancelHold();
  SetState(focused_, focused);
}

void PushButton::SetState(bool& field, bool value) {
  if (field == value) return;
  field = value;
  Paint();
}

bool PushButton::Inside(int x, int y) const noexcept {
  return x >= 0 && y >= 0 && x < width_ && y < height_;
}

void PushButton::OnPress(const XButtonEvent& event) {
  if (event.button != kLeftButton) return;
  pointerInside_ = Inside(event.x, event.y);
  SetState(mouseHeld_, true);
}

bool PushButton::OnRelease(const XButtonEvent& event) {
  if (event.button != kLeftButton || !mouseHeld_) return false;
  const bool clicked = Inside(event.x, event.y);
  SetState(mouseHeld_, false);
  return clicked;
}

void PushButton::OnCrossing(const XCrossingEvent& event) {
  // Crossings caused by grabs themselves say nothing about the pointer.
  if (event.mode != NotifyNormal) return;
  const bool wasSunken = Sunken();
  pointerInside_ = event.type == EnterNotify;
  if (Sunken() != wasSunken) Paint();
}

void PushButton::OnSpaceDown() { SetState(spaceHeld_, true); }

bool PushButton::OnSpaceUp() {
  if (!spaceHeld_) return false;
  SetState(spaceHeld_, false);
  return true;
}

void PushButton::CancelHold() {
  mouseHeld_ = false;
  SetState(spaceHeld_, false);
}

}  // namespace veskaro::x11
