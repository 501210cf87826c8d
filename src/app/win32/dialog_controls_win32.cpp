#include "app/win32/dialog_controls_win32.h"

#include "common/win32/wide.h"

namespace qv::win {

void Win32DialogControls::CreateNumberField(int id, const layout::Rect& rect, std::u16string_view text) {
  if (!owner_ || Exists(id)) return;
  HWND field = CreateWindowExW(0, L"EDIT", Wide(text).c_str(), WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER,
                               rect.left, rect.top, rect.Width(), rect.Height(), owner_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  // An edit draws with its own font, not the one selected at WM_CTLCOLOREDIT.
  if (field && font_) SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

}  // namespace qv::win
