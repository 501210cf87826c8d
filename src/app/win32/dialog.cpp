#include "app/win32/dialog.h"

namespace qv::win {
namespace {

// These messages return their result directly from a dialog procedure; all others return
// it through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

}  // namespace

DialogWindow::~DialogWindow() {
  // The derived object is already gone here: unbind first so no handler runs.
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

INT_PTR DialogWindow::DoModal(HWND owner) {
  ended_ = false;
  HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                                   &DialogWindow::DialogProc, reinterpret_cast<LPARAM>(this));
  if (!window) return -1;
  const bool disableOwner = owner && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  if (!ended_ && ShowWhenCreated() && !IsWindowVisible(window)) ShowWindow(window, SW_SHOW);

  MSG msg{};
  bool quit = false;
  while (!ended_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      break;
    }
    const bool ours = hwnd_ && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd));
    if (!Filter(msg) && !IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (ours && hwnd_) AfterQueuedMessage(msg);
  }
  // Re-enable the owner before the window goes, or activation jumps to another program.
  if (disableOwner) EnableWindow(owner, TRUE);
  if (owner && GetActiveWindow() == window) SetActiveWindow(owner);
  // Still bound: WM_DESTROY and WM_NCDESTROY reach the handlers, which free hooks and brushes.
  if (IsWindow(window)) DestroyWindow(window);
  hwnd_ = nullptr;
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return result_;
}

void DialogWindow::EndDialog(INT_PTR result) {
  result_ = result;
  ended_ = true;
  if (hwnd_) PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the modal loop
}

bool DialogWindow::Filter(MSG& msg) {
  if (!hwnd_ || !(msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd))) return false;
  return PreTranslateMessage(msg);
}

INT_PTR CALLBACK DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<DialogWindow*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    self->hwnd_ = hwnd;
    return self->OnInitDialog();
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  const INT_PTR result = self->Route(message, wParam, lParam);
  if (message == WM_NCDESTROY) {  // the last message: unbind, and end a loop nobody ended
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    self->ended_ = true;
  }
  return result;
}

INT_PTR DialogWindow::Route(UINT message, WPARAM wParam, LPARAM lParam) {
  MessageResult result = Dispatch(message, wParam, lParam);
  if (!result && message == WM_COMMAND && lParam == 0) {
    if (LOWORD(wParam) == IDOK) {
      OnOK();
      return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      OnCancel();
      return TRUE;
    }
  }
  if (!result) return FALSE;
  if (ReturnsDirectly(message)) return static_cast<INT_PTR>(*result);
  SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, *result);
  return TRUE;
}

}  // namespace qv::win
