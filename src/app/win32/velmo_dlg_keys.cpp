// The main window's keyboard and screen reader: keys ask the page's keyboard core and carry
// its answer out through the pointer's press steps; the reader reads the same controls.
#include "app/win32/velmo_dlg.h"

#include "app/win32/list_keys_win32.h"
#include "ui/key_lists.h"
#include "ui/win32/skin_canvas.h"

namespace qv::win {
namespace {

bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

}  // namespace

bool CVelmoDlg::OnKeyMessage(const MSG& msg) {
  // Alt+F4 is the system's close command, which hides the window to the tray.
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return true;
  }
  // With no window holding the focus (a page rebuilt under a closing dialog), the system
  // gives the active window its keys as system keys, without the Alt bit (29) set.
  const bool unfocusedKey = msg.message == WM_SYSKEYDOWN && (msg.lParam & (1 << 29)) == 0;
  if (unfocusedKey) SetFocus(hwnd());
  if (msg.message != WM_KEYDOWN && !unfocusedKey) return false;
  // A list the keyboard opened has the focus; any other child's keys are the page's.
  if (msg.hwnd != hwnd() && IsListBox(msg.hwnd)) return OnListKeyMessage(msg);
  const std::vector<AccessibleControl> controls = AccessibleControls();
  const PageKeyAnswer answer = OnPageKey(MakePage(), controls, focus_, msg.wParam, ShiftDown());
  if (!answer.handled) return false;
  if (answer.hideWindow) {
    HideMainWindow();
    return true;
  }
  if (answer.closeLists) {
    Page page = MakePage();
    CloseAllLists(page, controls_);
    SetFocus(hwnd());
    ShowFocus();
    return true;
  }
  if (answer.step) {
    MessageResult result = 0;
    CarryOut(*answer.step, SkinPoint{}, 0, result);
  }
  if (answer.pressIndex) PressFromKeyboard(*answer.pressIndex);
  if (answer.focusChanged || answer.step) ShowFocus();
  if (answer.focusChanged && focus_.index) NotifyFocus(hwnd(), *focus_.index);
  return true;
}

void CVelmoDlg::PressFromKeyboard(int index) {
  const std::vector<AccessibleControl> controls = AccessibleControls();
  if (index < 0 || index >= static_cast<int>(controls.size())) return;
  const AccessibleControl control = controls[static_cast<size_t>(index)];
  MessageResult result = 0;
  for (const PressAction& action : PressOf(MakePage(), control)) {
    if (action.kind == PressKind::DragWindow) break;  // a key never drags the window
    if (!CarryOut(action, SkinPoint{control.pressX, control.pressY}, 0, result)) break;
  }
  if (!IsWindowVisible(hwnd())) return;  // hidden by OK, Cancel or Hide
  GiveKeysToOpenList();
  ShowFocus();
}

// A list the keyboard opened takes the keys, starting on the entry the page shows.
void CVelmoDlg::GiveKeysToOpenList() {
  Page page = MakePage();
  for (int id : OpenListIds(page)) {
    HWND list = GetDlgItem(hwnd(), id);
    if (!list) continue;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(EntryShownIn(page, id)), 0);
    SetFocus(list);
    return;
  }
}

bool CVelmoDlg::OnListKeyMessage(const MSG& msg) {
  HWND list = msg.hwnd;
  if (GetParent(list) != hwnd()) return false;
  const int id = GetDlgCtrlID(list);
  const ListKeyAnswer answer = AnswerListKey(list, msg.wParam);
  switch (answer.kind) {
    case ListKeyAnswer::Kind::PassOn:
      return true;
    case ListKeyAnswer::Kind::Select:
      // Selecting without a notification: only Enter chooses, as the arrows pass entries by.
      SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(answer.selection), 0);
      if (IsKeyListId(id)) TrackKeyListItem(list, answer.selection);
      return true;
    case ListKeyAnswer::Kind::Pick:
      if (HWND subList = GetDlgItem(hwnd(), kDpiSubListId); subList && IsKeyListId(id)) {
        SendMessageW(subList, LB_SETCURSEL, 0, 0);  // "DPI Switch" leads on into its sub-list
        SetFocus(subList);
        return true;
      }
      SetFocus(hwnd());
      SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
      ShowFocus();
      return true;
    case ListKeyAnswer::Kind::Close: {
      SetFocus(hwnd());
      Page page = MakePage();
      CloseAllLists(page, controls_);
      ShowFocus();
      return true;
    }
  }
  return true;
}

const FocusFrame* CVelmoDlg::ShownFocus() {
  if (!focus_.shown || !focus_.index || page_.state != PageState::Shown) return nullptr;
  const std::vector<AccessibleControl> controls = AccessibleControls();
  if (*focus_.index >= static_cast<int>(controls.size())) return nullptr;
  focusFrame_ = FocusFrame{controls[static_cast<size_t>(*focus_.index)].rect, focusAccent_};
  return &focusFrame_;
}

void CVelmoDlg::ShowFocus() {
  // Presents the canvas, which erases the frame where it was, and draws it where it is.
  SkinCanvas canvas(hwnd(), PaintSources());
}

void CVelmoDlg::ForgetFocus() { focus_ = PageFocus{}; }

MessageResult CVelmoDlg::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> answer = accessible_.OnGetObject(hwnd(), *this, wParam, lParam)) return *answer;
  return std::nullopt;
}

MessageResult CVelmoDlg::OnAccessiblePress(WPARAM wParam, LPARAM) {
  // Posted before a modal dialog disabled the page: it is not carried out under the dialog.
  if (IsWindowEnabled(hwnd())) PressControl(static_cast<int>(wParam));
  return 0;
}

std::u16string CVelmoDlg::AccessibleName() { return PageAccessibleName(language_); }

std::vector<AccessibleControl> CVelmoDlg::AccessibleControls() { return PageReadingOrder(MakePage()); }

std::optional<int> CVelmoDlg::FocusedControl() { return focus_.shown ? focus_.index : std::nullopt; }

void CVelmoDlg::PressControl(int index) { PressFromKeyboard(index); }

void CVelmoDlg::FocusControl(int index) {
  focus_.index = index;
  focus_.shown = true;
  ShowFocus();
  NotifyFocus(hwnd(), index);
}

}  // namespace qv::win
