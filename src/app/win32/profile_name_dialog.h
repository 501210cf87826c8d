#pragma once
// The name a setup is saved, renamed or duplicated under, on the common sub-dialog frame:
// the prompt over its field; the core refuses a name that cannot be a profile's.
// <windows.h> first, so that the core's DrawText is renamed as the frame's is.
#include "app/win32/skinned_dialog.h"

#include "app/profile_dialogs.h"

namespace qv::win {

class CProfileNameDialog final : public CSkinnedDialog {
 public:
  CProfileNameDialog(const SubDialogContext& context, NamePurpose purpose, std::u16string initial = {})
      : CSkinnedDialog(ProfileNameDialog::Frame(purpose), context,
                       ProfileNameDialog::Stops(context.language)),
        core_(context.language, purpose, std::move(initial)) {}

  // The name after OK, none after Cancel, close, Esc or a background that failed.
  std::optional<std::u16string> RunForName(HWND owner) { return core_.Result(Run(owner)); }

 protected:
  void InitOwnControls(DialogControls& controls) override;
  DialogEnd OnPress(int x, int y, DialogControls& controls) override;
  std::span<const DialogLabel> Labels() const override { return core_.Labels(); }
  bool SettlesBeforeOk(DialogControls& controls) override;
  MessageResult OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  ProfileNameDialog core_;
};

}  // namespace qv::win
