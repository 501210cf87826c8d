#pragma once
// The application object: common controls, the main window class, GDI+ and the main
// dialog's modal run.
#include <windows.h>

#include "app/app_state.h"

namespace qv::win {

inline constexpr wchar_t kMainWindowClass[] = L"QV318-207GMClass";

class CVelmoApp {
 public:
  // Answers false always: the process ends when the main dialog's run returns.
  bool InitInstance();
  int ExitInstance();

 private:
  static bool RegisterMainWindowClass();

  AppState state_;
  ULONG_PTR gdiplusToken_ = 0;
  bool gdiplusStarted_ = false;
};

}  // namespace qv::win
