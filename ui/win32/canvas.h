#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/win32/gdi.h"
#include "ui/win32/handles.h"
#include "ui/window_description.h"

namespace veskaro::win32 {

// 画板1: a child window that keeps an off-screen picture of its whole client
// area and paints every line and every clearing into both.
class Canvas {
 public:
  // Makes the pen, before the window exists.
  explicit Canvas(const CanvasSettings& settings) noexcept;

  bool Create(HINSTANCE instance, const wchar_t* className, HWND parent, const Rect& rect,
              int id) noexcept;
  // The pointing hand shown over the canvas.
  void LoadPointer(HINSTANCE instance) noexcept;

  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void Clear();

  HWND window() const noexcept { return window_.get(); }

  void Attach(HWND window) noexcept { window_ = UniqueWindow(window); }
  void Detach() noexcept { window_.Forget(); }
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

 private:
  LRESULT OnPaint();
  LRESULT OnSize(LPARAM l);
  LRESULT OnSetCursor(WPARAM w, LPARAM l);
  LRESULT OnDestroy();

  // Runs `operation` on the picture, then on the window.
  template <class Operation>
  void PaintBoth(Operation operation);
  void Fill(HDC dc, const RECT& area) const;
  void NewPicture(int width, int height);

  CanvasSettings settings_;
  Pen pen_;
  Bitmap picture_;
  SIZE pictureSize_{0, 0};
  UniqueCursor pointer_;
  UniqueWindow window_;  // last: destroyed first, while the rest still stands
};

}  // namespace veskaro::win32
