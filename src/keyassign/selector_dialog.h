#pragma once
// A skinned sub-dialog that picks one item from a drop-down list: the state behind the
// hot key, media and Windows key dialogs. The Win32 frame forwards its messages here and
// draws; each answer says what it must do next.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keyassign/dialog_controls.h"
#include "keyassign/dialog_frame.h"
#include "keyassign/frame_looks.h"
#include "keyassign/key_dialogs.h"
#include "ui/language.h"
#include "ui/layout.h"

namespace qv {

// What one selector dialog is: its frame, its controls and its items in list order.
struct SelectorDialogKind {
  DialogFrame frame;
  int displayId;
  int listId;
  layout::Rect display;   // the selection display, a static
  layout::Rect selector;  // the display and the arrow drawn beside it: a press toggles the list
  layout::Rect list;
  std::span<const LanguageText> items;
  // What the list adds to an item so that its entry says what it does: the keys the item
  // sends, in parentheses ("Copy (Ctrl+C)"), and the values' unit ("1250 DPI"). The choice
  // keeps the bare item, which is what the key's name and the saved captions carry.
  std::span<const std::u16string_view> itemKeys = {};
  std::u16string_view unit = {};
  // A note drawn above the selector (the snipe DPI that every snipe key shares); none when empty.
  LanguageText note = {u"", u"", u""};
  layout::Rect noteRect = {};
};

// The list's entry of item `index`.
std::u16string ListEntry(const SelectorDialogKind& kind, size_t index, std::u16string_view item);

class SelectorDialog {
 public:
  // A run starts from the item the key holds (item 0 for a position outside the list).
  SelectorDialog(const SelectorDialogKind& kind, Language language, int current = 0);
  // A dialog whose items are known only when it opens (the snipe values of the DPI table).
  SelectorDialog(const SelectorDialogKind& kind, Language language, std::vector<std::u16string> items, int current = 0);
  // One that starts from a choice of its own (the skin in use) instead of item 0.
  SelectorDialog(const SelectorDialogKind& kind, Language language, std::vector<std::u16string> items, Choice initial);

  // The end of InitSkinnedDialog, once the background loaded: the display with the chosen text.
  void InitControls(DialogControls& controls) const;

  // WM_LBUTTONDOWN at a client point: a press away from the list and its selector closes
  // the list; a press on OK, Cancel or close answers how the dialog ends; a press on the
  // selector opens or closes the list.
  DialogEnd OnSkinnedClick(int x, int y, DialogControls& controls);

  // LBN_SELCHANGE or LBN_DBLCLK of the list: the selection becomes the choice, the display
  // shows it and the list closes. With nothing selected nothing changes: false.
  bool OnListPick(DialogControls& controls);

  // WM_MOUSEMOVE before dispatch, with the control id of the window under the pointer and
  // the item LB_ITEMFROMPOINT reports: the item under the pointer is highlighted, not chosen.
  void TrackListUnderCursor(int idUnderPointer, int item, DialogControls& controls) const;

  // The answer to hand back when the run ended: the choice on OK, none otherwise.
  std::optional<Choice> Result(DialogEnd end) const;

  const SelectorDialogKind& Kind() const { return kind_; }
  std::span<const DialogLabel> Labels() const { return labels_; }
  std::u16string_view OkText() const { return qv::OkText(language_); }
  std::u16string_view CancelText() const { return qv::CancelText(language_); }
  const Choice& Chosen() const { return chosen_; }
  bool ListOpen() const { return listOpen_; }

 private:
  void ToggleList(DialogControls& controls);
  void CloseList(DialogControls& controls);
  // What the display shows of the choice: its list entry, so the two agree ("250 DPI").
  std::u16string DisplayText() const;

  const SelectorDialogKind& kind_;
  Language language_;
  std::vector<std::u16string> items_;
  std::vector<std::u16string> entries_;  // what the list shows of each item
  Choice chosen_;
  bool listOpen_ = false;
  std::vector<DialogLabel> labels_;
};

}  // namespace qv
