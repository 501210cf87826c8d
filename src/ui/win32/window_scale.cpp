#include "ui/win32/window_scale.h"

#include <windowsx.h>

#include "common/win32/handles.h"

namespace qv::win {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Windows 10 1607 and later; USER32 is loaded in every GUI process, so no load here.
GetDpiForWindowFn FindGetDpiForWindow() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<GetDpiForWindowFn>(
                      reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                : nullptr;
}

int SystemDpi() {
  UniqueWindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kSkinDpi;
}

}  // namespace

DisplayScale ScaleOfWindow(HWND window) {
  static const GetDpiForWindowFn getDpiForWindow = FindGetDpiForWindow();
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window); dpi > 0) return DisplayScale{static_cast<int>(dpi)};
  }
  return DisplayScale{SystemDpi()};
}

DisplayScale TakeDpiChange(HWND window, WPARAM wParam, LPARAM lParam) {
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  return DisplayScale{static_cast<int>(LOWORD(wParam))};
}

SkinPoint PointerInSkin(LPARAM lParam, DisplayScale scale) {
  return SkinPoint{ToSkin(GET_X_LPARAM(lParam), scale), ToSkin(GET_Y_LPARAM(lParam), scale)};
}

}  // namespace qv::win
