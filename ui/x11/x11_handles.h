#pragma once

#include <memory>
#include <utility>

#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

struct DisplayCloser {
  void operator()(Display* display) const noexcept { XCloseDisplay(display); }
};
using DisplayOwner = std::unique_ptr<Display, DisplayCloser>;

// One server-side resource of `display`, freed with `Free`; `Handle` is an
// XID or a pointer, null when it owns nothing.
template <typename Handle, void (*Free)(Display*, Handle)>
class Owned {
 public:
  Owned() = default;
  Owned(Display* display, Handle handle) noexcept : display_(display), handle_(handle) {}
  Owned(Owned&& other) noexcept
      : display_(other.display_), handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      display_ = other.display_;
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Handle{}; }
  void reset() noexcept {
    if (handle_ != Handle{}) Free(display_, std::exchange(handle_, Handle{}));
  }

 private:
  Display* display_ = nullptr;
  Handle handle_{};
};

namespace detail {
inline void DestroyWindow(Display* d, Window w) { XDestroyWindow(d, w); }
inline void FreePixmap(Display* d, Pixmap p) { XFreePixmap(d, p); }
inline void FreeCursor(Display* d, Cursor c) { XFreeCursor(d, c); }
inline void FreeGc(Display* d, GC gc) { XFreeGC(d, gc); }
inline void CloseFont(Display* d, XftFont* f) { XftFontClose(d, f); }
inline void DestroyDraw(Display*, XftDraw* draw) { XftDrawDestroy(draw); }
}  // namespace detail

using WindowOwner = Owned<Window, detail::DestroyWindow>;
using PixmapOwner = Owned<Pixmap, detail::FreePixmap>;
using CursorOwner = Owned<Cursor, detail::FreeCursor>;
using GcOwner = Owned<GC, detail::FreeGc>;
using FontOwner = Owned<XftFont*, detail::CloseFont>;
using DrawOwner = Owned<XftDraw*, detail::DestroyDraw>;

}  // namespace veskaro::x11
