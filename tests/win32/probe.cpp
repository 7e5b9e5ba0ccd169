// Prints what the window system knows of the desktop's visible top-level
// windows, as one JSON array, for the end-to-end tests: titles, rectangles,
// the client area's origin, the keyboard focus, the caption's boxes and the
// children's texts. The tests take everything else from the screen's pixels.
// With "hold" it keeps a hidden window on the desktop instead, until ended.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                          0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                      n, nullptr, nullptr);
  return out;
}

std::string Json(const std::wstring& text) {
  std::string out = "\"";
  for (const char c : Utf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[1024] = {};
  // WM_GETTEXT works across processes, where GetWindowTextW does not.
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

std::wstring ClassOf(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, 256);
  return buffer;
}

std::string Rect(const RECT& r) {
  return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + "]";
}

std::string Point(POINT p) {
  return "[" + std::to_string(p.x) + "," + std::to_string(p.y) + "]";
}

// Points of the caption that the window reports as its minimise, maximise
// (restore, when minimised) and close boxes; null where it has none.
std::string CaptionButtons(HWND window, const RECT& outer) {
  const int y =
      outer.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  std::string found[3] = {"null", "null", "null"};
  for (int x = outer.right - 1; x > outer.left; --x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000,
                        &hit);
    const int slot = hit == HTMINBUTTON   ? 0
                     : hit == HTMAXBUTTON ? 1
                     : hit == HTCLOSE     ? 2
                                          : -1;
    // A few pixels in from the button's right edge, clear of its border.
    if (slot >= 0 && found[slot] == "null") found[slot] = Point({x - 4, y});
  }
  return "{\"minimize\":" + found[0] + ",\"maximize\":" + found[1] +
         ",\"close\":" + found[2] + "}";
}

std::string Focus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ||
      info.hwndFocus == nullptr) {
    return "null";
  }
  return "{\"class\":" + Json(ClassOf(info.hwndFocus)) +
         ",\"text\":" + Json(TextOf(info.hwndFocus)) + "}";
}

BOOL CALLBACK AddChild(HWND child, LPARAM l) {
  auto& children = *reinterpret_cast<std::vector<std::string>*>(l);
  RECT r{};
  GetWindowRect(child, &r);
  children.push_back("{\"class\":" + Json(ClassOf(child)) +
                     ",\"text\":" + Json(TextOf(child)) + ",\"rect\":" + Rect(r) +
                     ",\"visible\":" + (IsWindowVisible(child) ? "true" : "false") + "}");
  return TRUE;
}

std::string Describe(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  std::vector<std::string> children;
  EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&children));
  std::string list;
  for (const std::string& c : children) list += (list.empty() ? "" : ",") + c;
  return "{\"class\":" + Json(ClassOf(window)) + ",\"title\":" + Json(TextOf(window)) +
         ",\"outer\":" + Rect(outer) + ",\"client\":" + Point(client) +
         ",\"active\":" + (GetForegroundWindow() == window ? "true" : "false") +
         ",\"minimised\":" + (IsIconic(window) ? "true" : "false") +
         ",\"focus\":" + Focus(window) + ",\"buttons\":" + CaptionButtons(window, outer) +
         ",\"children\":[" + list + "]}";
}

BOOL CALLBACK AddWindow(HWND window, LPARAM l) {
  if (IsWindowVisible(window) && GetWindowTextLengthW(window) > 0) {
    reinterpret_cast<std::vector<std::string>*>(l)->push_back(Describe(window));
  }
  return TRUE;
}

}  // namespace

// Wine ends its virtual desktop a moment after the last window on it has
// gone; a program started in that moment finds no desktop to show on.
int Hold() {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  DestroyWindow(window);
  return 0;
}

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "hold") return Hold();
  std::vector<std::string> windows;
  EnumWindows(AddWindow, reinterpret_cast<LPARAM>(&windows));
  std::string out = "[";
  for (const std::string& w : windows) out += (out.size() > 1 ? "," : "") + w;
  out += "]\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
