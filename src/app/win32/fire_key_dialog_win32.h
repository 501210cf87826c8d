#pragma once
// The fire key dialog on the common frame: the target list and the three number fields.
#include "app/win32/skinned_dialog.h"
#include "keyassign/fire_key_dialog.h"

namespace qv::win {

class CFireKeyDialog final : public CSkinnedDialog {
 public:
  CFireKeyDialog(const SubDialogContext& context, const FireChoice& current)
      : CSkinnedDialog(FireKeyDialog::Frame(), context), core_(context.language, current) {}

  std::optional<FireChoice> RunForChoice(HWND owner) { return core_.Result(Run(owner)); }

 protected:
  void InitOwnControls(DialogControls& controls) override;
  DialogEnd OnPress(int x, int y, DialogControls& controls) override { return core_.OnSkinnedClick(x, y, controls); }
  void OnListPick(DialogControls& controls) override { core_.OnListPick(controls); }
  void TrackList(int listId, int item, DialogControls& controls) override {
    core_.TrackListUnderCursor(listId, item, controls);
  }
  std::span<const DialogLabel> Labels() const override { return core_.Labels(); }
  std::optional<int> WheelList() const override { return FireKeyDialog::kListId; }
  bool DarkFields() const override { return true; }
  MessageResult OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool SettlesBeforeOk(DialogControls& controls) override { return core_.SettleFields(controls); }

 private:
  FireKeyDialog core_;
};

}  // namespace qv::win
