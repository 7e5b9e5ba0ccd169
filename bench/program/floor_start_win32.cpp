// The start-up floor under Wine: the least a Win32 program does to show the
// same thing the program shows first. It registers one window class, shows
// one window with the program's frame and client size, and draws one line
// of text in the default GUI font on its first WM_PAINT.
//   veskaro_floor_start.exe X Y WIDTH HEIGHT   (the client area's place)
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      TextOutW(dc, 136, 382, L"clear play", 10);
      SelectObject(dc, old);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  if (__argc != 5) return 2;
  int at[4];
  for (int i = 0; i < 4; ++i)
    at[i] = static_cast<int>(std::wcstol(__wargv[i + 1], nullptr, 10));
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VeskaroFloor";
  RegisterClassW(&windowClass);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{at[0], at[1], at[0] + at[2], at[1] + at[3]};
  AdjustWindowRect(&outer, style, FALSE);
  HWND window = CreateWindowW(L"VeskaroFloor", L"floor", style, outer.left, outer.top,
                              outer.right - outer.left, outer.bottom - outer.top, nullptr,
                              nullptr, instance, nullptr);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
