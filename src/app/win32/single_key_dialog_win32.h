#pragma once
// The single key dialog on the common frame: the prompt, the key-name display and the
// keyboard hook that feeds it while the window lives.
#include "app/win32/keystroke_hook_win32.h"
#include "app/win32/skinned_dialog.h"
#include "keyassign/single_key_dialog.h"

namespace qv::win {

class CSingleDialog final : public CSkinnedDialog {
 public:
  CSingleDialog(const SubDialogContext& context, const SingleKey& current)
      : CSkinnedDialog(SingleKeyDialog::Frame(), context), core_(context.language, current) {}

  std::optional<SingleKey> RunForKey(HWND owner) { return core_.Result(Run(owner)); }

 protected:
  void InitOwnControls(DialogControls& controls) override;
  DialogEnd OnPress(int x, int y, DialogControls&) override { return core_.OnSkinnedClick(x, y); }
  std::span<const DialogLabel> Labels() const override { return core_.Labels(); }
  MessageResult OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool SwallowsQueued(const MSG& msg) override;
  void OnWindowGone() override { hook_.Remove(); }

 private:
  SingleKeyDialog core_;
  KeystrokeHook hook_;
  bool takenKeyQueued_ = false;  // the key just taken is still to be retrieved: the dialog ignores it
};

}  // namespace qv::win
