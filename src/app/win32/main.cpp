#include <windows.h>

#include "app/win32/velmo_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  static qv::win::CVelmoApp app;
  app.InitInstance();
  return app.ExitInstance();
}
