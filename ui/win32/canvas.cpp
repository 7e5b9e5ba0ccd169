#include "ui/win32/canvas.h"

#include <algorithm>

namespace veskaro::win32 {

namespace {

// The pointer's name in resources/veskaro.rc.
constexpr const wchar_t* kHandCursor = L"HAND_CURSOR";

}  // namespace

Canvas::Canvas(const CanvasSettings& settings) noexcept
    : settings_(settings),
      pen_(CreatePen(PS_SOLID, settings.penWidth, ToColorRef(settings.penColour))) {}

bool Canvas::Create(HINSTANCE instance, const wchar_t* className, HWND parent,
                    const Rect& rect, int id) noexcept {
  const DWORD exStyle = settings_.border ? WS_EX_CLIENTEDGE : 0;
  CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_CLIPSIBLINGS, rect.left,
                  rect.top, rect.width, rect.height, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
  return static_cast<bool>(window_);
}

void Canvas::LoadPointer(HINSTANCE instance) noexcept {
  // Not LR_SHARED: the canvas owns its pointer and destroys it.
  pointer_ = UniqueCursor(
      static_cast<HCURSOR>(LoadImageW(instance, kHandCursor, IMAGE_CURSOR, 0, 0, 0)));
}

LRESULT Canvas::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT:
      return OnPaint();
    case WM_SIZE:
      return OnSize(l);
    case WM_SETCURSOR:
      return OnSetCursor(w, l);
    case WM_DESTROY:
      return OnDestroy();
    default:
      return DefWindowProcW(window_.get(), message, w, l);
  }
}

template <class Operation>
void Canvas::PaintBoth(Operation operation) {
  if (!window_) return;
  WindowDc screen(window_.get());
  auto paint = [&](HDC dc) {
    SetMapMode(dc, MM_TEXT);
    Selection pen(dc, pen_.get());
    SetROP2(dc, R2_COPYPEN);
    operation(dc);
  };
  if (picture_) {
    MemoryDc memory(screen.get());
    Selection bitmap(memory.get(), picture_.get());
    paint(memory.get());
  }
  paint(screen.get());
}

void Canvas::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                      std::int32_t y2) {
  PaintBoth([&](HDC dc) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
  });
}

void Canvas::Clear() {
  RECT client{};
  GetClientRect(window_.get(), &client);
  PaintBoth([&](HDC dc) { Fill(dc, client); });
}

void Canvas::Fill(HDC dc, const RECT& area) const {
  Brush brush(CreateSolidBrush(ToColorRef(settings_.backgroundColour)));
  Selection selected(dc, brush.get());
  PatBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
         PATCOPY);
}

LRESULT Canvas::OnPaint() {
  PaintSession paint(window_.get());
  RECT client{};
  GetClientRect(window_.get(), &client);
  RECT area{};
  if (!IntersectRect(&area, &paint.area(), &client)) return 0;
  if (!picture_) {
    // Without a picture there is nothing to copy: the exposed part turns white.
    Fill(paint.dc(), area);
    return 0;
  }
  const RECT bounds{0, 0, pictureSize_.cx, pictureSize_.cy};
  if (!IntersectRect(&area, &area, &bounds)) return 0;
  MemoryDc memory(paint.dc());
  Selection bitmap(memory.get(), picture_.get());
  BitBlt(paint.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top,
         memory.get(), area.left, area.top, SRCCOPY);
  return 0;
}

LRESULT Canvas::OnSize(LPARAM l) {
  NewPicture(std::max<int>(LOWORD(l), 1), std::max<int>(HIWORD(l), 1));
  return 0;
}

void Canvas::NewPicture(int width, int height) {
  WindowDc screen(window_.get());
  Bitmap fresh(CreateCompatibleBitmap(screen.get(), width, height));
  if (fresh) {
    MemoryDc to(screen.get());
    Selection target(to.get(), fresh.get());
    Fill(to.get(), RECT{0, 0, width, height});
    if (picture_ && pictureSize_.cx > 0 && pictureSize_.cy > 0) {
      MemoryDc from(screen.get());
      Selection source(from.get(), picture_.get());
      BitBlt(to.get(), 0, 0, std::min<int>(pictureSize_.cx, width),
             std::min<int>(pictureSize_.cy, height), from.get(), 0, 0, SRCCOPY);
    }
  }
  // A refused bitmap still ends the old picture: the canvas goes on without one.
  picture_ = std::move(fresh);
  pictureSize_ = picture_ ? SIZE{width, height} : SIZE{0, 0};
}

LRESULT Canvas::OnSetCursor(WPARAM w, LPARAM l) {
  if (reinterpret_cast<HWND>(w) == window_.get() && LOWORD(l) == HTCLIENT && pointer_) {
    SetCursor(pointer_.get());
    return TRUE;
  }
  return DefWindowProcW(window_.get(), WM_SETCURSOR, w, l);
}

LRESULT Canvas::OnDestroy() {
  picture_.reset();
  pen_.reset();
  pointer_.reset();
  return 0;
}

}  // namespace veskaro::win32
