#include "app/win32/single_key_dialog_win32.h"

namespace qv::win {

void CSingleDialog::InitOwnControls(DialogControls& controls) {
  core_.InitControls(controls);
  // Without the hook the dialog still runs: it captures nothing and OK answers no key.
  if (const std::optional<DWORD> error = hook_.Install(hwnd())) Boxes().Show(HookFailureText(*error), u"");
}

MessageResult CSingleDialog::OnOwnMessage(UINT message, WPARAM, LPARAM) {
  switch (message) {
    case kKeyCapturedMessage: {
      const Keystroke& key = KeystrokeHook::Last();
      core_.OnKeyCaptured(key.name, key.lParam, Controls());
      return TRUE;
    }
    case WM_HELP:  // F1 is a key to capture, not a request for help
      return TRUE;
    default:
      return std::nullopt;
  }
}

}  // namespace qv::win
