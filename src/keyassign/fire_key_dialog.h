#pragma once
// The fire key dialog's state: the target picked from a scrolling list of 59 and three
// number fields (times, make time, break time). The list covers the fields, so they are
// destroyed while it is open and made again with the texts typed before.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyassign/dialog_controls.h"
#include "keyassign/dialog_frame.h"
#include "keyassign/frame_looks.h"
#include "keyassign/key_dialogs.h"
#include "ui/language.h"

namespace qv {

enum class FireField { Times, MakeTime, BreakTime };

// A field's text read as the dialog reads it (leading blanks and a sign accepted, digits up
// to the first other character, empty is 0): the value, or the replacement when it falls
// outside the field's range, with the text the field must then show.
struct FieldReading {
  uint8_t value = 0;
  std::optional<std::u16string_view> replacement;  // set when the text must change
};
FieldReading ReadFireField(FireField field, std::u16string_view text);

class FireKeyDialog {
 public:
  static const DialogFrame& Frame();
  static constexpr int kDisplayId = 572;
  static constexpr int kListId = 573;
  static constexpr int FieldId(FireField field) { return 575 + static_cast<int>(field); }

  explicit FireKeyDialog(Language language);

  void InitControls(DialogControls& controls) const;
  std::span<const DialogLabel> Labels() const { return labels_; }

  DialogEnd OnSkinnedClick(int x, int y, DialogControls& controls);
  void OnListPick(DialogControls& controls);
  void TrackListUnderCursor(int idUnderPointer, int item, DialogControls& controls) const;

  // EN_CHANGE: the text is kept; Times is checked at once, the time fields are redrawn.
  void OnFieldChange(FireField field, std::u16string_view text, DialogControls& controls);
  // EN_KILLFOCUS of a time field: its text is checked.
  void OnFieldLeave(FireField field, std::u16string_view text, DialogControls& controls);

  // After OK: what the fields show once checked, also a time field that still had the
  // focus when OK was pressed. None after any other end.
  std::optional<FireChoice> Result(DialogEnd end) const;

  const std::u16string& FieldText(FireField field) const { return texts_[static_cast<size_t>(field)]; }
  bool ListOpen() const { return listOpen_; }

 private:
  void Check(FireField field, std::u16string_view text, DialogControls& controls);
  void OpenList(DialogControls& controls);
  void CloseList(DialogControls& controls);
  void ShowFields(DialogControls& controls) const;

  std::array<DialogLabel, 5> labels_;
  std::vector<std::u16string> targets_;
  int target_ = 0;
  std::array<std::u16string, 3> texts_{u"1", u"32", u"32"};
  bool listOpen_ = false;
};

}  // namespace qv
