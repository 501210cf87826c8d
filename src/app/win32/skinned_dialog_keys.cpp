// The sub-dialog frame's keyboard: Tab walks the dialog's stops with a focus frame in the
// skin's accent, Space presses the focused stop as the pointer would, the selector's list
// takes the arrows, Enter is OK and Esc Cancel.
#include "app/win32/skinned_dialog.h"

#include <algorithm>

#include "app/win32/list_keys_win32.h"
#include "common/win32/wide.h"

namespace qv::win {
namespace {

// What a child shows: a list its selected entry, any other window its text.
std::u16string ShownText(HWND child) {
  wchar_t text[256] = {};
  int length = 0;
  if (IsListBox(child)) {
    const LRESULT item = SendMessageW(child, LB_GETCURSEL, 0, 0);
    const LRESULT size = item == LB_ERR ? LB_ERR : SendMessageW(child, LB_GETTEXTLEN, static_cast<WPARAM>(item), 0);
    if (size != LB_ERR && size < 256) {
      length = static_cast<int>(SendMessageW(child, LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text)));
    }
  } else {
    length = GetWindowTextW(child, text, 256);
  }
  return U16(std::wstring(text, static_cast<size_t>(std::max(length, 0))));
}

}  // namespace

bool CSkinnedDialog::OnKey(const MSG& msg) {
  if (stops_.empty() || msg.message != WM_KEYDOWN) return false;
  if (msg.hwnd != hwnd() && IsListBox(msg.hwnd)) {
    return FieldStopOf(msg.hwnd) ? OnStandingListKey(msg.wParam) : OnListKey(msg.hwnd, msg.wParam);
  }
  // The focus may sit on the dialog or on a child the system gave it; only a field takes keys.
  const bool inField = FieldStopOf(msg.hwnd).has_value();
  const std::optional<int> focused = StopOf(msg.hwnd);
  switch (msg.wParam) {
    case VK_TAB:
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:  // a focused Cancel or key field is pressed; anywhere else Enter is OK
      if (focused && stops_[static_cast<size_t>(*focused)].capturesKey) {
        PressStop(*focused);
      } else if (focused && stops_[static_cast<size_t>(*focused)].rect == layout::dialog::kCancel) {
        EndDialog(IDCANCEL);
      } else if (!SettlesBeforeOk(controls_)) {
        EndDialog(IDOK);
      }
      return true;
    case VK_ESCAPE:  // an open list goes first, however it was opened
      if (OpenList()) {
        CloseOpenList();
      } else {
        EndDialog(IDCANCEL);
      }
      return true;
    case VK_SPACE:
    case VK_DOWN:
      if (inField || !focused) return false;
      if (msg.wParam == VK_DOWN && !stops_[static_cast<size_t>(*focused)].opensList) return false;
      PressStop(*focused);
      return true;
    default:
      return false;
  }
}

bool CSkinnedDialog::OnListKey(HWND list, WPARAM key) {
  const ListKeyAnswer answer = AnswerListKey(list, key);
  switch (answer.kind) {
    case ListKeyAnswer::Kind::Select:
      // Without a notification: the arrows pass entries by, Enter chooses.
      SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(answer.selection), 0);
      break;
    case ListKeyAnswer::Kind::Pick:
      SetFocus(hwnd());
      OnListPick(controls_);
      break;
    case ListKeyAnswer::Kind::Close:
      CloseOpenList();
      break;
    case ListKeyAnswer::Kind::PassOn:
      break;  // typed letters would choose as they select: the list takes none
  }
  ShowFocus();
  return true;
}

// A list that is one of the stops (the profiles' lists) keeps its arrows and letters; Tab,
// Enter and Esc stay the dialog's.
bool CSkinnedDialog::OnStandingListKey(WPARAM key) {
  switch (key) {
    case VK_TAB:
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:
      if (!SettlesBeforeOk(controls_)) EndDialog(IDOK);
      return true;
    case VK_ESCAPE:
      EndDialog(IDCANCEL);
      return true;
    default:
      return false;
  }
}

void CSkinnedDialog::CloseOpenList() {
  SetFocus(hwnd());
  for (size_t i = 0; i < stops_.size(); ++i) {
    if (stops_[i].opensList) PressStop(static_cast<int>(i));  // a second press closes the list
  }
  ShowFocus();
}

void CSkinnedDialog::FocusOk() {
  for (size_t i = 0; i < stops_.size(); ++i) {
    if (stops_[i].rect != layout::dialog::kOk) continue;
    focusStop_ = static_cast<int>(i);
    SetFocus(hwnd());
    NotifyFocus(hwnd(), *focusStop_);
    ShowFocus();
  }
}

void CSkinnedDialog::FocusStop(int index) {
  SetFocus(hwnd());  // from the stop before it, wherever the focus was
  focusStop_ = index == 0 ? std::nullopt : std::optional<int>(index - 1);
  MoveFocus(false);
}

void CSkinnedDialog::MoveFocus(bool back) {
  focusStop_ = NextStop(StopOf(GetFocus()), static_cast<int>(stops_.size()), back, [&](int stop) {
    const std::optional<int> child = stops_[static_cast<size_t>(stop)].childId;
    return !child || GetDlgItem(hwnd(), *child) != nullptr;  // a field under the open list is skipped
  });
  if (!focusStop_) return;
  NotifyFocus(hwnd(), *focusStop_);
  const DialogStop& stop = stops_[static_cast<size_t>(*focusStop_)];
  if (HWND field = stop.childId ? GetDlgItem(hwnd(), *stop.childId) : nullptr) {
    SetFocus(field);
    if (!IsListBox(field)) SendMessageW(field, EM_SETSEL, 0, -1);  // typing replaces the number, as a tabbed-to field does
  } else {
    SetFocus(hwnd());
  }
  ShowFocus();
}

void CSkinnedDialog::PressStop(int index) {
  const DialogStop& stop = stops_[static_cast<size_t>(index)];
  focusStop_ = index;
  EndFromPress(OnPress((stop.rect.left + stop.rect.right) / 2, (stop.rect.top + stop.rect.bottom) / 2, controls_));
  if (!stop.opensList) return;
  if (HWND list = OpenList()) {
    if (SendMessageW(list, LB_GETCURSEL, 0, 0) == LB_ERR) SendMessageW(list, LB_SETCURSEL, 0, 0);
    SetFocus(list);
  }
}

// The drop-down list, while open: a list that is a stop of its own stands, it does not drop.
HWND CSkinnedDialog::OpenList() const {
  for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsListBox(child) && !FieldStopOf(child)) return child;
  }
  return nullptr;
}

std::optional<int> CSkinnedDialog::FieldStopOf(HWND window) const {
  if (!window || window == hwnd()) return std::nullopt;
  const int id = GetDlgCtrlID(window);
  for (size_t i = 0; i < stops_.size(); ++i) {
    if (stops_[i].childId && *stops_[i].childId == id) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> CSkinnedDialog::StopOf(HWND window) const {
  const std::optional<int> field = FieldStopOf(window);
  return field ? field : focusStop_;
}

const FocusFrame* CSkinnedDialog::ShownFocus() {
  if (!focusStop_ || static_cast<size_t>(*focusStop_) >= stops_.size()) return nullptr;
  focusFrame_ = FocusFrame{stops_[static_cast<size_t>(*focusStop_)].rect, accent_};
  return &focusFrame_;
}

void CSkinnedDialog::ShowFocus() {
  // The dialog is painted whole at every erase, the frame last, where the focus is now.
  if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

MessageResult CSkinnedDialog::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LRESULT> answer = accessible_.OnGetObject(hwnd(), *this, wParam, lParam)) return *answer;
  return std::nullopt;
}

MessageResult CSkinnedDialog::OnAccessiblePress(WPARAM wParam, LPARAM) {
  if (IsWindowEnabled(hwnd())) PressControl(static_cast<int>(wParam));
  return 0;
}

std::u16string CSkinnedDialog::AccessibleName() { return std::u16string(frame_.title[context_.language]); }

std::vector<AccessibleControl> CSkinnedDialog::AccessibleControls() {
  // What a stop shows is the text of the child window at it (the selector's display, a
  // field, the key taken); the stop is in the skin's pixels, the children on the screen.
  std::vector<std::u16string> values;
  for (const DialogStop& stop : stops_) {
    const POINT at{ToScreen(stop.rect.left + 2, scale_), ToScreen(stop.rect.top + 2, scale_)};
    HWND child = ChildWindowFromPointEx(hwnd(), at, CWP_SKIPINVISIBLE);
    values.push_back(child && child != hwnd() ? ShownText(child) : std::u16string());
  }
  std::vector<AccessibleControl> controls =
      DialogReadingOrder(stops_, Labels(), context_.language, frame_.title[context_.language], values);
  for (size_t i = 0; i < stops_.size() && i < controls.size(); ++i) controls[i].checked = StopChecked(i);
  return controls;
}

void CSkinnedDialog::PressControl(int index) {
  if (index >= 0 && static_cast<size_t>(index) < stops_.size()) {
    PressStop(index);
    return;
  }
  const std::vector<AccessibleControl> controls = AccessibleControls();
  if (index < 0 || static_cast<size_t>(index) >= controls.size()) return;
  const AccessibleControl& c = controls[static_cast<size_t>(index)];
  EndFromPress(OnPress(c.pressX, c.pressY, controls_));
}

void CSkinnedDialog::FocusControl(int index) {
  if (index < 0 || static_cast<size_t>(index) >= stops_.size()) return;
  focusStop_ = index == 0 ? std::nullopt : std::optional<int>(index - 1);
  MoveFocus(false);
}

}  // namespace qv::win
