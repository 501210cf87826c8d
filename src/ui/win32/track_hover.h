#pragma once
// Asks for WM_MOUSEHOVER after the pointer rests 10 ms: the skinned buttons' hover looks.
#include <windows.h>

namespace qv::win {

inline void TrackHover(HWND window, DWORD extraFlags = 0) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_HOVER | extraFlags;
  track.hwndTrack = window;
  track.dwHoverTime = 10;
  TrackMouseEvent(&track);
}

}  // namespace qv::win
