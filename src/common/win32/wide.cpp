#include "common/win32/wide.h"

namespace qv::win {

std::u16string ModulePath() {
  wchar_t buffer[1024] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, 1024);
  return U16(std::wstring_view(buffer, length));
}

}  // namespace qv::win
