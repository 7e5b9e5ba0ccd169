#include "ui/win32/window_classes.h"

#include "ui/win32/canvas.h"
#include "ui/win32/main_window.h"
#include "ui/win32/timer_window.h"
#include "ui/win32/window_procedure.h"

namespace veskaro::win32 {

namespace {

WNDCLASSEXW Describe(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                     UINT style, HBRUSH background, HCURSOR cursor) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.style = style;
  c.lpfnWndProc = procedure;
  c.hInstance = instance;
  c.hCursor = cursor;
  c.hbrBackground = background;
  c.lpszClassName = name;
  return c;
}

HCURSOR Arrow() { return LoadCursorW(nullptr, IDC_ARROW); }

}  // namespace

WindowClasses::WindowClasses(HINSTANCE instance) noexcept
    : main(instance, Describe(instance, L"VeskaroMainWindow", WindowProcedure<MainWindow>,
                              0, GetSysColorBrush(COLOR_BTNFACE), Arrow())),
      // The hollow brush: the canvas paints its own background from its picture.
      canvas(instance,
             Describe(instance, L"VeskaroCanvas", WindowProcedure<Canvas>,
                      CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                      static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), Arrow())),
      timer(instance, Describe(instance, L"VeskaroTimer", WindowProcedure<TimerWindow>, 0,
                               nullptr, nullptr)) {}

}  // namespace veskaro::win32
