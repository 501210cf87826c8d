#pragma once
// The core's UTF-16 strings are the W functions' strings: wchar_t is 16 bits on Windows.
#include <windows.h>

#include <string>
#include <string_view>

namespace qv::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* W(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}
inline std::u16string U16(std::wstring_view text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}
std::u16string ModulePath();
// The system's sentence for an error code ("Access is denied."), or "error N" without one.
std::u16string SystemErrorText(DWORD code);

}  // namespace qv::win
