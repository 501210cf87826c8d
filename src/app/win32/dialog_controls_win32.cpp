#include "app/win32/dialog_controls_win32.h"

#include "common/win32/wide.h"

namespace qv::win {

HWND Win32DialogControls::Field(int id, const layout::Rect& rect, DWORD style, std::u16string_view text) {
  HWND field = page_.CreateChild(L"EDIT", id, rect, WS_CHILD | WS_VISIBLE | style, text);
  // An edit draws with its own font, not the one selected at WM_CTLCOLOREDIT.
  if (field && font_) SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return field;
}

void Win32DialogControls::CreateNumberField(int id, const layout::Rect& rect, std::u16string_view text) {
  Field(id, rect, ES_NUMBER | ES_CENTER, text);
}

void Win32DialogControls::CreateTextField(int id, const layout::Rect& rect, std::u16string_view text, int limit) {
  if (HWND field = Field(id, rect, ES_AUTOHSCROLL, text)) SendMessageW(field, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

void Win32DialogControls::CreateStandingList(int id, const layout::Rect& rect, std::span<const std::u16string> items) {
  page_.CreateList(id, rect, items, std::nullopt);
  HWND list = owner_ ? GetDlgItem(owner_, id) : nullptr;
  if (!list) return;
  // A drop-down list ends under its last entry; this one keeps its place, in whole rows.
  const layout::Rect screen = ToScreen(rect, scale_);
  SetWindowPos(list, nullptr, 0, 0, screen.Width(), screen.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(list, &client);
  const auto row = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const int excess = row > 0 ? static_cast<int>(client.bottom) % row : 0;
  if (excess > 0) {
    SetWindowPos(list, nullptr, 0, 0, screen.Width(), screen.Height() - excess, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

std::u16string Win32DialogControls::TextOf(int id) const {
  HWND field = owner_ ? GetDlgItem(owner_, id) : nullptr;
  if (!field) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return U16(text);
}

}  // namespace qv::win
