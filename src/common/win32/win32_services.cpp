#include "common/win32/win32_services.h"

#include <windows.h>

#include <string>

#include "common/win32/wide.h"

namespace qv::win {

void SleepPause::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

void OutputDebugTrace::Write(std::u16string_view text) { OutputDebugStringW(W(std::u16string(text))); }

}  // namespace qv::win
