// The main window's drop-down lists: opening them from a press, their notifications and the
// pointer over a key list. Each handler asks the list core and carries its answer out.
#include <vector>

#include "app/win32/key_dialogs_win32.h"
#include "app/win32/velmo_dlg.h"
#include "keyassign/assign_key_function.h"
#include "ui/key_lists.h"
#include "ui/led_lists.h"
#include "config/skin_palette.h"
#include "ui/win32/skin_accent.h"
#include "ui/win32/skin_canvas.h"
#include "ui/win32/skinned_list.h"

namespace qv::win {

SubDialogContext CVelmoDlg::SubDialogs() const {
  const TextColour& colour = state_.display.textColour;
  return SubDialogContext{state_.display.skinDir, language_, Rgb{colour.red, colour.green, colour.blue}};
}

MessageResult CVelmoDlg::OnDrawItem(WPARAM, LPARAM lParam) {
  if (!DrawSkinnedListItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return std::nullopt;
  return TRUE;
}

void CVelmoDlg::TakeSkinAccents() {
  const Rgb text = SubDialogs().textColour;
  focusAccent_ = SkinAccent(state_.display.skinDir, SkinAccent(profile_, state_.display.skinDir), text);
  controls_.SetListAccent(focusAccent_);
}

void CVelmoDlg::ToggleKeyList(int key) {
  Page page = MakePage();
  if (const auto warning = OpenKeyList(page, key, controls_)) messageBoxes_.Show(warning->text, warning->caption);
}

void CVelmoDlg::ToggleLedList(int box) {
  Page page = MakePage();
  qv::ToggleLedList(page, box, controls_);
}

MessageResult CVelmoDlg::OnKeyListSelect(WPARAM, LPARAM) {
  Page page = MakePage();
  Win32KeyDialogs dialogs(hwnd(), SubDialogs(), state_.dpiSelector);
  std::vector<int> closed;
  std::optional<AssignNotice> notice;
  // A mouse plugged or unplugged while a sub-dialog is open is taken in after it closes.
  const bool settleDue = deviceWatch_.Run([&] {
    closed = qv::OnKeyListSelect(page, controls_, [&](int key) {
      if (auto said = AssignKeyFunction(page, key, controls_, dialogs)) notice = std::move(said);
    });
  });
  {
    // After any sub-dialog has gone: its window no longer covers the boxes. A pick may
    // have renamed keys of the mode shown besides its own (one snipe DPI for all).
    SkinCanvas canvas(hwnd(), PaintSources());
    std::vector<int> shown;
    for (int key = 1; key <= layout::kShownKeyCount; ++key) shown.push_back(key);
    RepaintKeyBoxes(page, closed.empty() ? closed : shown, canvas);
  }
  if (notice) messageBoxes_.Show(notice->text, notice->caption);
  AfterTransfers(settleDue);
  return 0;
}

MessageResult CVelmoDlg::OnDpiSubListSelect(WPARAM, LPARAM) {
  SkinCanvas canvas(hwnd(), PaintSources());
  Page page = MakePage();
  qv::OnDpiSubListSelect(page, controls_, canvas);
  return 0;
}

MessageResult CVelmoDlg::OnLedModeSelect(WPARAM, LPARAM) {
  Page page = MakePage();
  qv::OnLedModeSelect(page, controls_);
  return 0;
}

MessageResult CVelmoDlg::OnLedParameterSelect(WPARAM, LPARAM) {
  Page page = MakePage();
  qv::OnLedParameterSelect(page, controls_);
  return 0;
}

MessageResult CVelmoDlg::OnLedEffectSelect(WPARAM, LPARAM) {
  Page page = MakePage();
  qv::OnLedEffectSelect(page, controls_);
  return 0;
}

void CVelmoDlg::TrackListPointer() {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  HWND under = WindowFromPoint(cursor);
  if (!under || GetParent(under) != hwnd()) return;
  const int id = GetDlgCtrlID(under);
  // Only the key lists answer list-box questions about their entries.
  if (id < KeyListId(1) || id > KeyListId(layout::kKeyCount)) return;
  ScreenToClient(under, &cursor);
  const LRESULT hit = SendMessageW(under, LB_ITEMFROMPOINT, 0, MAKELPARAM(cursor.x, cursor.y));
  TrackKeyListItem(under, LOWORD(hit));
}

void CVelmoDlg::TrackKeyListItem(HWND list, int itemIndex) {
  ListPointer pointer;
  pointer.listId = GetDlgCtrlID(list);
  pointer.item = itemIndex;
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(pointer.item), reinterpret_cast<LPARAM>(&item));
  pointer.itemRect = ToSkin(FromRect(item), scale_);
  TrackKeyListPointer(pointer, MakePage().record, language_, controls_);
}

}  // namespace qv::win
