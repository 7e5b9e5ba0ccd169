#pragma once

#include <cstdint>

#include "ui/window_description.h"
#include "ui/x11/x11_connection.h"
#include "ui/x11/x11_handles.h"
#include "ui/x11/x11_palette.h"
#include "ui/x11/x11_xlib.h"

namespace veskaro::x11 {

// 画板1: a child window that keeps its whole picture in a pixmap. Every
// operation paints the pixmap and the window in the same call; exposures
// are copied back from the pixmap.
class Canvas {
 public:
  Canvas(const Connection& connection, Palette& palette, Window parent, const Rect& place,
         const CanvasSettings& settings, Cursor pointer);

  Window window() const noexcept { return window_.get(); }

  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void Clear();
  void Repaint(const XExposeEvent& exposed);

 private:
  void MakeGcs(Palette& palette, const CanvasSettings& settings);

  Display* display_;
  int width_, height_;
  WindowOwner window_;
  PixmapOwner picture_;
  GcOwner pen_, eraser_, copier_;
};

}  // namespace veskaro::x11
