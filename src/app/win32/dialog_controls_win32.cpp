#include "app/win32/dialog_controls_win32.h"

namespace qv::win {

void Win32DialogControls::CreateNumberField(int id, const layout::Rect& rect, std::u16string_view text) {
  HWND field = page_.CreateChild(L"EDIT", id, rect, WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER, text);
  // An edit draws with its own font, not the one selected at WM_CTLCOLOREDIT.
  if (field && font_) SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

}  // namespace qv::win
