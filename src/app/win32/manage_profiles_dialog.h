#pragma once
// The profiles managed on the common sub-dialog frame: the core decides; the system's open
// and save dialogs choose files, a message box asks before a delete, the name prompt asks
// for a new name and the keyboard feeds the hot key field.
// <windows.h> first, so that the core's DrawText is renamed as the frame's is.
#include "app/win32/skinned_dialog.h"

#include "app/profile_dialogs.h"

namespace qv::win {

class CManageProfilesDialog final : public CSkinnedDialog, private ProfileManagerAsker {
 public:
  CManageProfilesDialog(const SubDialogContext& context, ProfileLibrary& library);

  void RunOver(HWND owner) { Run(owner); }

 protected:
  void InitOwnControls(DialogControls& controls) override;
  DialogEnd OnPress(int x, int y, DialogControls& controls) override;
  void OnListPick(DialogControls& controls) override { core_.OnListPick(controls, *this); }
  void TrackList(int listId, int item, DialogControls& controls) override { core_.TrackList(listId, item, controls); }
  std::span<const DialogLabel> Labels() const override { return core_.Labels(); }
  std::optional<int> WheelList() const override { return kRunningListId; }
  ControlColours ColoursOf(ControlKind kind, int id) const override {
    return core_.ColoursOf(kind, id, Accent());
  }
  bool SwallowsQueued(const MSG& msg) override;
  MessageResult OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool StopChecked(size_t stop) const override {
    return stop == ManageProfilesDialog::kFullPathStop && core_.FullPath();
  }

 private:
  std::optional<std::u16string> AskName(NamePurpose purpose, const std::u16string& initial) override;
  bool Confirm(std::u16string_view question) override;
  std::u16string ChooseToOpen(bool program) override;
  std::u16string ChooseToSave(std::u16string_view suggestedName) override;
  void Tell(std::u16string_view failure) override;

  ManageProfilesDialog core_;
  bool hotKeyArmed_ = false;
};

}  // namespace qv::win
