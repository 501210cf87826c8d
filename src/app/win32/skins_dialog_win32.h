#pragma once
// CSkinsDialog: the skin folders and the text colour, on the common sub-dialog frame; the
// skins core decides, the standard colour dialog picks the colour and a skin's skin.ini
// names the colour it is drawn for.
#include "app/win32/skinned_dialog.h"
#include "skins/skins_dialog.h"

namespace qv::win {

class CSkinsDialog final : public CSkinnedDialog, private skins::ColourChooser, private skins::SkinColours {
 public:
  // Offers the skin folders of `root`, starting from the skin `current` in use.
  CSkinsDialog(const SubDialogContext& context, skins::FolderListing& listing, std::u16string root,
               skins::SkinSelection current)
      : CSkinnedDialog(skins::SkinsDialogKind().frame, context),
        core_(context.language, listing, std::move(root), std::move(current)) {}

  // The chosen skin after OK, none after Cancel, close, Esc or a background that failed.
  std::optional<skins::SkinSelection> RunForChoice(HWND owner) { return core_.Result(Run(owner)); }

 protected:
  void InitOwnControls(DialogControls& controls) override { core_.InitControls(controls); }
  DialogEnd OnPress(int x, int y, DialogControls& controls) override {
    return core_.OnSkinnedClick(x, y, controls, *this);
  }
  void OnListPick(DialogControls& controls) override { core_.OnListPick(controls, *this); }
  void TrackList(int listId, int item, DialogControls& controls) override {
    core_.TrackListUnderCursor(listId, item, controls);
  }
  std::span<const DialogLabel> Labels() const override { return core_.Labels(); }
  // The list has no scroll bar: the wheel scrolls it.
  std::optional<int> WheelList() const override { return skins::kSkinListId; }
  ControlColours ColoursOf(ControlKind kind, int id) const override { return core_.ColoursOf(kind, id); }

 private:
  std::optional<Rgb> Choose() override;
  std::optional<Rgb> Recommended(std::u16string_view folder) override;

  skins::SkinsDialog core_;
};

}  // namespace qv::win
