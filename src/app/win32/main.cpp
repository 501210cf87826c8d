#include <windows.h>

#include "app/win32/velmo_app.h"
#include "common/win32/dll_search.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  qv::win::LoadDllsFromSystem32Only();  // first of all, as the program runs elevated
  static qv::win::CVelmoApp app;
  app.InitInstance();
  return app.ExitInstance();
}
