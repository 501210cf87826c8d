#pragma once
// The application object: common controls, the main window class, GDI+ and the main
// dialog's modal run.
#include <windows.h>

#include <optional>

#include "model/app_state.h"
#include "ui/win32/gdiplus_session.h"

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
  std::optional<GdiplusSession> gdiplus_;
};

}  // namespace qv::win
