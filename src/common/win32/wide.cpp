#include "common/win32/wide.h"

#include <iterator>

namespace qv::win {

std::u16string ModulePath() {
  wchar_t buffer[1024] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, 1024);
  return U16(std::wstring_view(buffer, length));
}

std::u16string SystemErrorText(DWORD code) {
  wchar_t buffer[512] = {};
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                      buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
  std::wstring text(buffer, length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  if (text.empty()) return u"error " + U16(std::to_wstring(code));
  return U16(text);
}

}  // namespace qv::win
