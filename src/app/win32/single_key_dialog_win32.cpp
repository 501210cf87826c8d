#include "app/win32/single_key_dialog_win32.h"

namespace qv::win {

void CSingleDialog::InitOwnControls(DialogControls& controls) {
  core_.InitControls(controls);
  // Without the hook the dialog still runs: it captures nothing and OK answers no key.
  if (const std::optional<DWORD> error = hook_.Install(hwnd())) Boxes().Show(HookFailureText(*error), u"");
}

bool CSingleDialog::SwallowsQueued(const MSG& msg) {
  // The hook sees a key as it is retrieved, before the dialog: Enter, Esc or Tab just taken
  // as the key must not also confirm, cancel or move the focus.
  if (takenKeyQueued_ && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
    takenKeyQueued_ = false;
    return true;
  }
  return SingleKeyDialogSwallows(msg.message, msg.wParam);
}

MessageResult CSingleDialog::OnOwnMessage(UINT message, WPARAM, LPARAM) {
  switch (message) {
    case kKeyCapturedMessage: {
      const Keystroke& key = KeystrokeHook::Last();
      if (core_.OnKeyCaptured(key.name, key.lParam, Controls())) {
        takenKeyQueued_ = true;
        FocusOk();
      }
      return TRUE;
    }
    case WM_HELP:  // F1 is a key to capture, not a request for help
      return TRUE;
    default:
      return std::nullopt;
  }
}

}  // namespace qv::win
