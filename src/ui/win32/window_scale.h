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

struct SkinPoint {
  int x = 0;
  int y = 0;
};

// A mouse message's client position (lParam) in skin pixels.
SkinPoint PointerInSkin(LPARAM lParam, DisplayScale scale);

inline RECT ToRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline layout::Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace qv::win
