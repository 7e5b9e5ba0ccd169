#include "ui/win32/wide_text.h"

#include <windows.h>

namespace veskaro::win32 {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int bytes = static_cast<int>(utf8.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, text.data(), units);
  return text;
}

}  // namespace veskaro::win32
