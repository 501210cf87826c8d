#pragma once
// Puts a window where a person looks for it: a dialog over the window it belongs to, the main
// window in the middle of its screen, both on the work area.
#include <windows.h>

namespace qv::win {

// Centred over its owner; over the middle of the owner's screen when the owner is hidden or
// minimised (a dialog opened from the tray).
void CentreOverOwner(HWND window);
// Centred on the work area of the screen it is on.
void CentreOnWorkArea(HWND window);

}  // namespace qv::win
