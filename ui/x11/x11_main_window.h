#pragma once

#include <optional>

#include "ui/window_description.h"
#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_handles.h"
#include "ui/x11/x11_palette.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

struct FrameExtents {
  int left, right, top, bottom;
  friend bool operator==(const FrameExtents&, const FrameExtents&) = default;
};

// The frame assumed when no window manager draws one, so that the client
// area sits where a framed window's would: 496 × 416 inside 502 × 441.
inline constexpr FrameExtents kAssumedFrame{3, 3, 22, 3};

// The top-level window: title, hints, icon, pointer, and a place that
// makes its outer rectangle the declared size, centred on the screen.
class MainWindow {
 public:
  MainWindow(const Connection& connection, Palette& palette, const WindowDescription& d,
             Cursor arrow);

  Window window() const noexcept { return window_.get(); }

  // Sizes and places the window; call once every hint is set, before mapping.
  void Place();
  void Show();
  bool IsCloseRequest(const XClientMessageEvent& message) const noexcept;
  // A window manager may publish or change its frame later.
  void OnPropertyChange(const XPropertyEvent& change);

 private:
  void SetHints();
  void SetIcon();
  std::optional<FrameExtents> RequestFrameExtents();
  std::optional<FrameExtents> ReadFrameExtents() const;
  void Fit(const FrameExtents& frame);

  const Connection& connection_;
  const WindowDescription& description_;
  WindowOwner window_;
  bool managed_ = false;
  FrameExtents frame_ = kAssumedFrame;
};

}  // namespace veskaro::x11
