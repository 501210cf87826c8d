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

template <typename Fn>
Fn FindInUser32(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
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

void LeaveDpiChangesToTheDialog(HWND dialog) {
  using Fn = BOOL(WINAPI*)(HWND, int, int);
  static const Fn set = FindInUser32<Fn>("SetDialogDpiChangeBehavior");
  constexpr int kDisableAll = 0x0001;  // DDC_DISABLE_ALL: no resize, no relayout, no fonts
  if (set && dialog) set(dialog, kDisableAll, kDisableAll);
}

void LeaveDpiChangesToTheControl(HWND control) {
  using Fn = BOOL(WINAPI*)(HWND, int, int);
  static const Fn set = FindInUser32<Fn>("SetDialogControlDpiChangeBehavior");
  constexpr int kKeepFontAndPlace = 0x0001 | 0x0002;  // DCDC_DISABLE_FONT_UPDATE | DCDC_DISABLE_RELAYOUT
  if (set && control) set(control, kKeepFontAndPlace, kKeepFontAndPlace);
}

SkinPoint PointerInSkin(LPARAM lParam, DisplayScale scale) {
  return SkinPoint{ToSkin(GET_X_LPARAM(lParam), scale), ToSkin(GET_Y_LPARAM(lParam), scale)};
}

}  // namespace qv::win
