#include "ui/x11/x11_fatal_box.h"

#include <algorithm>

#include "ui/x11/x11_window_hints.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

namespace {

constexpr int kMargin = 14;
constexpr int kSign = 32;  // the stop sign's diameter
constexpr int kGap = 12;
constexpr int kOkWidth = 80, kOkHeight = 26;
constexpr int kMinWidth = 200;
constexpr std::uint32_t kSignRed = 0xD42A2A;

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (const char c : text) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

int WidestLine(const Connection& c, XftFont* font,
               const std::vector<std::string>& lines) {
  int widest = 0;
  for (const std::string& line : lines)
    widest = std::max(widest, Measure(c, font, line).width);
  return widest;
}

Window CreateBoxWindow(const Connection& c, Palette& palette, int width, int height) {
  XSetWindowAttributes attributes{};
  attributes.background_pixel = palette.Pixel(shade::kFace);
  attributes.event_mask =
      ExposureMask | KeyPressMask | StructureNotifyMask | FocusChangeMask;
  return XCreateWindow(c.display(), c.root(), (c.screenWidth() - width) / 2,
                       (c.screenHeight() - height) / 2, static_cast<unsigned>(width),
                       static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                       CopyFromParent, CWBackPixel | CWEventMask, &attributes);
}

}  // namespace

FatalBox::FatalBox(const Connection& connection, Palette& palette,
                   std::string_view caption, std::string_view text)
    : connection_(connection),
      palette_(palette),
      lines_(SplitLines(text)),
      font_(OpenFontFor(connection, std::string(text) + std::string(caption) + "OK")),
      colour_(connection, shade::kText),
      lineHeight_(font_ ? font_.get()->height : 14),
      textWidth_(WidestLine(connection, font_.get(), lines_)),
      width_(std::max({kMargin + kSign + kGap + textWidth_ + kMargin,
                       kOkWidth + 2 * kMargin, kMinWidth})),
      height_(kMargin + std::max(kSign, lineHeight_ * static_cast<int>(lines_.size())) +
              kGap + kOkHeight + kMargin),
      window_(connection.display(),
              CreateBoxWindow(connection, palette, width_, height_)),
      gc_(connection.display(),
          XCreateGC(connection.display(), window_.get(), 0, nullptr)),
      text_(connection, window_.get()),
      ok_(connection, palette, ButtonStyle{font_.get(), colour_}, window_.get(),
          Rect{(width_ - kOkWidth) / 2, height_ - kMargin - kOkHeight, kOkWidth,
               kOkHeight},
          "OK") {
  const int x = (connection.screenWidth() - width_) / 2;
  const int y = (connection.screenHeight() - height_) / 2;
  SetTitle(connection, window_.get(), caption);
  SetIdentity(connection, window_.get(), connection.atoms().netWmWindowTypeDialog);
  SetFixedSize(connection, window_.get(), x, y, width_, height_);
  ok_.ShowFocus(true);
  XMapSubwindows(connection.display(), window_.get());
  XMapRaised(connection.display(), window_.get());
}

bool FatalBox::Owns(Window window) const noexcept {
  return window == window_.get() || window == ok_.window();
}

void FatalBox::Dispatch(XEvent& event) {
  // Forged input is ignored here too.
  if (event.xany.send_event && (event.type == KeyPress || event.type == ButtonPress ||
                                event.type == ButtonRelease)) {
    return;
  }
  switch (event.type) {
    case Expose:
      if (event.xexpose.count > 0) return;
      return event.xexpose.window == window_.get() ? Paint() : ok_.Paint();
    case KeyPress:
      return OnKey(event.xkey);
    case ButtonPress:
      return ok_.OnPress(event.xbutton);
    case ButtonRelease:
      if (ok_.OnRelease(event.xbutton)) dismissed_ = true;
      return;
    case EnterNotify:
    case LeaveNotify:
      return ok_.OnCrossing(event.xcrossing);
    case MapNotify:
      // Nobody else gives the box the keyboard when no window manager runs.
      if (!connection_.WindowManagerRunning()) {
        XSetInputFocus(connection_.display(), window_.get(), RevertToPointerRoot,
                       CurrentTime);
      }
      return;
    case ClientMessage:
      // The close box dismisses it like OK.
      if (event.xclient.message_type == connection_.atoms().wmProtocols)
        dismissed_ = true;
      return;
    default:
      return;
  }
}

void FatalBox::OnKey(XKeyEvent& event) {
  switch (XLookupKeysym(&event, 0)) {
    case XK_Return:
    case XK_KP_Enter:
    case XK_space:
    case XK_Escape:
      dismissed_ = true;
      return;
    default:
      return;
  }
}

void FatalBox::Paint() {
  Display* d = connection_.display();
  GC gc = gc_.get();
  const Window w = window_.get();
  XSetForeground(d, gc, palette_.Pixel(kSignRed));
  XFillArc(d, w, gc, kMargin, kMargin, kSign, kSign, 0, 360 * 64);
  XSetForeground(d, gc, palette_.Pixel(shade::kHighlight));
  XSetLineAttributes(d, gc, 3, LineSolid, CapRound, JoinRound);
  constexpr int kArm = kSign / 4;
  const int cx = kMargin + kSign / 2, cy = kMargin + kSign / 2;
  XDrawLine(d, w, gc, cx - kArm, cy - kArm, cx + kArm, cy + kArm);
  XDrawLine(d, w, gc, cx - kArm, cy + kArm, cx + kArm, cy - kArm);
  if (!font_) return;
  const int left = kMargin + kSign + kGap;
  int baseline = kMargin + font_.get()->ascent;
  for (const std::string& line : lines_) {
    text_.Draw(font_.get(), colour_, left, baseline, line);
    baseline += lineHeight_;
  }
}

void RunFatalBox(const Connection& connection, Palette& palette, std::string_view caption,
                 std::string_view text, const std::function<void(XEvent&)>& behind) {
  FatalBox box(connection, palette, caption, text);
  while (!box.dismissed()) {
    XEvent event;
    XNextEvent(connection.display(), &event);  // flushes, then blocks
    if (box.Owns(event.xany.window)) {
      box.Dispatch(event);
    } else {
      behind(event);
    }
  }
}

}  // namespace veskaro::x11
