#pragma once

#include <string>
#include <string_view>

namespace veskaro::win32 {

// UTF-8 as the source holds it, to the UTF-16 that the wide functions take.
std::wstring Widen(std::string_view utf8);

}  // namespace veskaro::win32
