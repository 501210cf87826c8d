#pragma once
// A window's display scale and the crossing of pointer positions into skin pixels.
#include <windows.h>

#include "ui/display_scale.h"

namespace qv::win {

// The dots per inch of the monitor the window is on (GetDpiForWindow where the system has
// it), otherwise the system's.
DisplayScale ScaleOfWindow(HWND window);

// WM_DPICHANGED: puts the window at the rectangle Windows suggests (lParam) and answers the
// new scale (wParam), for the window to build itself anew at.
DisplayScale TakeDpiChange(HWND window, WPARAM wParam, LPARAM lParam);

// Under PerMonitorV2 the dialog manager would scale a dialog's size, its controls' places and
// their fonts itself at WM_DPICHANGED, on top of the window's own rebuild from the skin:
// these tell it to leave the dialog, and the control, to the program. (Windows 10 1703 and
// later; looked up at run time, nothing where the system has no such calls.)
void LeaveDpiChangesToTheDialog(HWND dialog);
void LeaveDpiChangesToTheControl(HWND control);

struct SkinPoint {
  int x = 0;
  int y = 0;
};

// A mouse message's client position (lParam) in skin pixels.
SkinPoint PointerInSkin(LPARAM lParam, DisplayScale scale);

inline RECT ToRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline layout::Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace qv::win
