#include "app/win32/page_controls_win32.h"

#include <string>

#include "common/win32/wide.h"
#include "ui/win32/skinned_list.h"
#include "ui/win32/window_scale.h"

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

HWND Win32PageControls::CreateChild(const wchar_t* className, int id, const layout::Rect& rect, DWORD style,
                                    std::u16string_view text) {
  if (!owner_ || Exists(id)) return nullptr;
  // A child window is destroyed with its parent; TearDownPageControls destroys it earlier.
  const layout::Rect screen = ToScreen(rect, scale_);
  HWND child = CreateWindowExW(0, className, Wide(text).c_str(), style, screen.left, screen.top, screen.Width(),
                               screen.Height(), owner_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (child) placed_[id] = rect;
  LeaveDpiChangesToTheControl(child);  // Rescale places it and gives it its font
  return child;
}

void Win32PageControls::Rescale(DisplayScale scale, HFONT font) {
  scale_ = scale;
  listFont_ = font;
  for (const auto& [id, rect] : placed_) {
    HWND control = Control(id);
    if (!control) continue;
    const layout::Rect screen = ToScreen(rect, scale_);
    SetWindowPos(control, nullptr, screen.left, screen.top, screen.Width(), screen.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Lists and fields were given the window's font (a list's item height follows it);
    // statics take theirs at WM_CTLCOLORSTATIC.
    if (SendMessageW(control, WM_GETFONT, 0, 0) != 0) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

void Win32PageControls::CreateStatic(int id, const layout::Rect& rect, StaticStyle style, std::u16string_view text) {
  CreateChild(L"STATIC", id, rect, StyleOf(style), text);
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
  placed_.erase(id);
}

void Win32PageControls::CreateList(int id, const layout::Rect& rect, std::span<const std::u16string> items,
                                   std::optional<int> current) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | kSkinnedListStyle;
  HWND list = CreateChild(L"LISTBOX", id, rect, style, u"");
  if (!list) return;
  // Before the items: the item height follows the font, which is made for the scale, so
  // the items keep their skin height times the scale.
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
