#include "ui/win32/window_place.h"

#include "ui/placement.h"
#include "ui/win32/window_scale.h"

namespace qv::win {
namespace {

layout::Rect WorkAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return FromRect(work);
  }
  return FromRect(monitor.rcWork);
}

void CentreOver(HWND window, const layout::Rect& over, const layout::Rect& work) {
  RECT own{};
  GetWindowRect(window, &own);
  const ScreenPoint at = CentredOver(over, own.right - own.left, own.bottom - own.top, work);
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void CentreOverOwner(HWND window) {
  HWND owner = GetWindow(window, GW_OWNER);
  const layout::Rect work = WorkAreaOf(owner ? owner : window);
  RECT over{};
  if (!owner || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &over)) {
    CentreOver(window, work, work);
    return;
  }
  CentreOver(window, FromRect(over), work);
}

void CentreOnWorkArea(HWND window) {
  const layout::Rect work = WorkAreaOf(window);
  CentreOver(window, work, work);
}

}  // namespace qv::win
