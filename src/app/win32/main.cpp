#include <windows.h>

#include "app/win32/velmo_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // First of all, as the program runs elevated: every DLL loaded from here on (the
  // delay-loaded imports, GDI+'s and the shell's own) comes from System32, never from the
  // program's folder or the current directory.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");
  static qv::win::CVelmoApp app;
  app.InitInstance();
  return app.ExitInstance();
}
