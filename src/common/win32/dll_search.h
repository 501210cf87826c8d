#pragma once
// Both programs may run elevated (the tray program always does; qv318ctl from an
// administrator's prompt), from a folder such as Downloads where anyone may have left a DLL.
#include <windows.h>

namespace qv::win {

// The first call of main: every DLL loaded from then on (the delay-loaded imports of
// cmake/DelayLoad.cmake, and those the system DLLs load themselves) comes from System32,
// never from the program's folder or the current directory.
inline void LoadDllsFromSystem32Only() {
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");
}

}  // namespace qv::win
