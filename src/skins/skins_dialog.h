#pragma once
// The skins dialog's state: the skin folders in a drop-down list, the colour swatch and the
// colour it shows, and what OK hands back to the main window. The Win32 frame forwards its
// messages here and carries the answers out.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "keyassign/dialog_controls.h"
#include "keyassign/dialog_frame.h"
#include "keyassign/frame_looks.h"
#include "keyassign/selector_dialog.h"
#include "skins/skin_folders.h"
#include "ui/canvas.h"
#include "ui/control_colours.h"
#include "ui/language.h"

namespace qv::skins {

inline constexpr int kSkinNameId = 560;
inline constexpr int kSwatchId = 561;
inline constexpr int kSkinListId = 562;

const SelectorDialogKind& SkinsDialogKind();

// The skin the main window shows, and the answer of an OK.
struct SkinSelection {
  std::u16string folder;  // full path of the skin folder
  std::u16string name;    // the folder's name, written as "Path"
  Rgb colour;             // the skin text colour
  friend bool operator==(const SkinSelection&, const SkinSelection&) = default;
};

// The standard colour dialog: the colour confirmed, none when cancelled.
class ColourChooser {
 public:
  virtual ~ColourChooser() = default;
  virtual std::optional<Rgb> Choose() = 0;
};

// The text colour a skin folder is drawn for; none for a folder that names none.
class SkinColours {
 public:
  virtual ~SkinColours() = default;
  virtual std::optional<Rgb> Recommended(std::u16string_view folder) = 0;
};

class SkinsDialog {
 public:
  // Lists the skin folders of `root`; the choice starts as `current`.
  SkinsDialog(Language language, FolderListing& listing, std::u16string root, SkinSelection current);

  // The end of InitSkinnedDialog: the skin-name display, then the swatch.
  void InitControls(DialogControls& controls) const;

  // WM_LBUTTONDOWN: the selector's closing, ending and toggling, then a press in the swatch
  // asks `chooser` for a colour; a confirmed colour repaints the swatch.
  DialogEnd OnSkinnedClick(int x, int y, DialogControls& controls, ColourChooser& chooser);

  // A skin picked in the list: its name is shown; the first folder matching it (ASCII
  // case ignored) becomes the chosen folder, or the folder stays when none matches. The
  // colour that folder recommends becomes the chosen colour; without one it stays.
  void OnListPick(DialogControls& controls, SkinColours& colours);
  void TrackListUnderCursor(int idUnderPointer, int item, DialogControls& controls) const;

  // The prompt, drawn in the text colour the dialog opened with.
  std::span<const DialogLabel> Labels() const { return labels_; }
  // The swatch in the chosen colour; every other control as on every sub-dialog.
  ControlColours ColoursOf(ControlKind kind, int id) const;

  // The choice on OK (unchanged parts keep the current skin), none otherwise.
  std::optional<SkinSelection> Result(DialogEnd end) const;

 private:
  FolderListing& listing_;
  std::u16string root_;
  SelectorDialog selector_;
  SkinSelection chosen_;
  std::array<DialogLabel, 1> labels_;
};

}  // namespace qv::skins
