#pragma once
// The application object: the main window class and the main dialog's modal run. The
// dialog loads the common controls (its tips) and GDI+ when it first shows.
#include <windows.h>

#include <optional>

#include "model/app_state.h"

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
};

}  // namespace qv::win
