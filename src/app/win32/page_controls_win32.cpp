#include "app/win32/page_controls_win32.h"

#include <string>

#include "common/win32/wide.h"
#include "ui/win32/skinned_list.h"

namespace qv::win {
namespace {

DWORD StyleOf(StaticStyle style) {
  constexpr DWORD kBase = WS_CHILD | WS_VISIBLE | SS_CENTER;
  switch (style) {
    case StaticStyle::Value:
      return kBase | SS_CENTERIMAGE;
    case StaticStyle::Sunken:
      return kBase | SS_SUNKEN;
    // A name wider than the display ends in an ellipsis: wrapped, "Multimedia Player"
    // showed only "Multimedia", another entry's name, and "Right Windows" only "Right".
    case StaticStyle::Display:
      return WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_ENDELLIPSIS;
    case StaticStyle::CentredDisplay:
      return kBase | SS_SUNKEN | SS_ENDELLIPSIS;
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

void Win32PageControls::CreateList(int id, const layout::Rect& rect, std::span<const std::u16string> items,
                                   std::optional<int> current) {
  if (!owner_ || Exists(id)) return;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | kSkinnedListStyle;
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", style, rect.left, rect.top,
                              rect.Width(), rect.Height(), owner_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (!list) return;
  // Before the items: the item height follows the font.
  if (listFont_) SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
  MakeSkinnedList(list, accent_, current);
  for (const std::u16string& item : items) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(item)));
  SettleSkinnedList(list);
}

std::optional<int> Win32PageControls::Selection(int id) const {
  HWND list = Control(id);
  if (!list) return std::nullopt;
  const LRESULT selection = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (selection == LB_ERR) return std::nullopt;
  return static_cast<int>(selection);
}

void Win32PageControls::Select(int id, int item) {
  if (HWND list = Control(id)) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

bool Win32PageControls::Exists(int id) const { return Control(id) != nullptr; }

}  // namespace qv::win
