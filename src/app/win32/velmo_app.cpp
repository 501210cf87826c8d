#include "app/win32/velmo_app.h"

#include "app/win32/velmo_dlg.h"

namespace qv::win {

bool CVelmoApp::RegisterMainWindowClass() {
  // A copy of the system dialog class under our own name, so that the template's CLASS
  // names a class this program owns while DefDlgProc still drives it.
  WNDCLASSW windowClass{};
  if (!GetClassInfoW(nullptr, MAKEINTRESOURCEW(32770), &windowClass)) return false;
  windowClass.lpszClassName = kMainWindowClass;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  return RegisterClassW(&windowClass) != 0;
}

bool CVelmoApp::InitInstance() {
  if (!RegisterMainWindowClass()) return false;

  {
    CVelmoDlg dialog(state_);
    dialog.DoModal(nullptr);
  }
  return false;
}

int CVelmoApp::ExitInstance() { return 0; }

}  // namespace qv::win
