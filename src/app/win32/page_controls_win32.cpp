#include "app/win32/page_controls_win32.h"

#include <string>

#include "common/win32/wide.h"

namespace qv::win {
namespace {

DWORD StyleOf(StaticStyle style) {
  constexpr DWORD kBase = WS_CHILD | WS_VISIBLE | SS_CENTER;
  switch (style) {
    case StaticStyle::Value:
      return kBase | SS_CENTERIMAGE;
    case StaticStyle::Sunken:
      return kBase | SS_SUNKEN;
    case StaticStyle::Swatch:
      break;
  }
  return kBase;
}

}  // namespace

void Win32PageControls::CreateStatic(int id, const layout::Rect& rect, StaticStyle style, std::u16string_view text) {
  if (!owner_ || Exists(id)) return;
  // A child window is destroyed with its parent; TearDownPageControls destroys it earlier.
  CreateWindowExW(0, L"STATIC", Wide(text).c_str(), StyleOf(style), rect.left, rect.top, rect.Width(),
                  rect.Height(), owner_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                  GetModuleHandleW(nullptr), nullptr);
}

void Win32PageControls::SetText(int id, std::u16string_view text) {
  if (!owner_) return;
  SetDlgItemTextW(owner_, id, Wide(text).c_str());
  Invalidate(id);
}

void Win32PageControls::Invalidate(int id) {
  if (HWND control = Control(id)) InvalidateRect(control, nullptr, TRUE);
}

void Win32PageControls::Destroy(int id) {
  if (HWND control = Control(id)) DestroyWindow(control);
}

bool Win32PageControls::Exists(int id) const { return Control(id) != nullptr; }

}  // namespace qv::win
