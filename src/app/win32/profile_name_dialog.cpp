#include "app/win32/profile_name_dialog.h"

#include "common/win32/wide.h"

namespace qv::win {
namespace {

// Posted at the start: the field takes the focus once the dialog manager has placed its own.
constexpr UINT kFocusFieldMessage = WM_APP + 40;

}  // namespace

void CProfileNameDialog::InitOwnControls(DialogControls& controls) {
  core_.InitControls(controls);
  // Found by its title, as a window with a caption would be; the frame draws no caption.
  SetWindowTextW(hwnd(), Wide(ProfileNameDialog::Frame(core_.Purpose()).title[Context().language]).c_str());
  PostMessageW(hwnd(), kFocusFieldMessage, 0, 0);
}

DialogEnd CProfileNameDialog::OnPress(int x, int y, DialogControls& controls) {
  const DialogEnd end = core_.OnPress(x, y, controls);
  if (end == DialogEnd::None) InvalidateRect(hwnd(), nullptr, TRUE);  // the prompt may say why not
  return end;
}

bool CProfileNameDialog::SettlesBeforeOk(DialogControls& controls) {
  if (!core_.Refuses(controls)) return false;
  InvalidateRect(hwnd(), nullptr, TRUE);
  return true;
}

MessageResult CProfileNameDialog::OnOwnMessage(UINT message, WPARAM, LPARAM) {
  if (message != kFocusFieldMessage) return std::nullopt;
  FocusStop(0);  // the field, its text selected: typing replaces it
  return 0;
}

}  // namespace qv::win
