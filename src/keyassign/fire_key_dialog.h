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

// A field's text read as a number (leading blanks and a sign accepted, digits up to the
// first other character). A number outside the field's range gives the nearest value inside
// it; a text without digits means nothing and keeps `previous`, never "until released".
// `shown` is the value's own text, what the field shows once checked.
struct FieldReading {
  uint8_t value = 0;
  std::u16string shown;
};
FieldReading ReadFireField(FireField field, std::u16string_view text, uint8_t previous);

class FireKeyDialog {
 public:
  static const DialogFrame& Frame();
  static constexpr int kDisplayId = 572;
  static constexpr int kListId = 573;
  static constexpr int FieldId(FireField field) { return 575 + static_cast<int>(field); }

  // Opens on `current`: the key's target and times, and the make and break times every fire
  // key shares; a value outside its field's range shows the nearest one inside it.
  explicit FireKeyDialog(Language language, const FireChoice& current = FireChoice{0, 1, 32, 32});

  void InitControls(DialogControls& controls) const;
  std::span<const DialogLabel> Labels() const { return labels_; }

  DialogEnd OnSkinnedClick(int x, int y, DialogControls& controls);
  void OnListPick(DialogControls& controls);
  void TrackListUnderCursor(int idUnderPointer, int item, DialogControls& controls) const;

  // EN_CHANGE: the text is kept and a number in range becomes the field's value. Times
  // takes the nearest allowed value at once for a number beyond its range (no more digits
  // can bring it back); a time field is checked when the focus leaves, as "4" may become 40.
  void OnFieldChange(FireField field, std::u16string_view text, DialogControls& controls);
  // EN_KILLFOCUS: the field is checked and shows the value it stands for.
  void OnFieldLeave(FireField field, std::u16string_view text, DialogControls& controls);

  // OK pressed (the button or Enter): every field is checked and shows the value it stands
  // for. True when one had to be rewritten: the dialog stays open on what would be sent,
  // and the next OK sends it.
  bool SettleFields(DialogControls& controls);

  // After OK: what the fields show once checked. None after any other end.
  std::optional<FireChoice> Result(DialogEnd end) const;

  const std::u16string& FieldText(FireField field) const { return texts_[static_cast<size_t>(field)]; }
  bool ListOpen() const { return listOpen_; }

 private:
  FieldReading Reading(FireField field) const;
  // Takes the checked value and text; answers whether the text changed.
  bool Settle(FireField field);
  void Check(FireField field, DialogControls& controls);
  void OpenList(DialogControls& controls);
  void CloseList(DialogControls& controls);
  void ShowFields(DialogControls& controls) const;

  std::array<DialogLabel, 6> labels_;
  std::vector<std::u16string> targets_;
  int target_ = 0;
  std::array<std::u16string, 3> texts_;
  std::array<uint8_t, 3> values_{};  // the last value each field held in range
  bool listOpen_ = false;
};

}  // namespace qv
