#include "keyassign/fire_key_dialog.h"

#include <algorithm>
#include <utility>

#include "common/text.h"
#include "keyassign/key_codes.h"
#include "ui/layout.h"
#include "ui/page_controls.h"

namespace qv {
namespace {

namespace fire = layout::fire_dialog;

const DialogFrame kFrame{704, u"/fire-key.png", u"FireKey Dialog Load background image failed!!!",
                         {u"Rapid-fire key", u"火力连发键", u"火力連發鍵"}};

constexpr LanguageText kTimesLabel{u"Times", u"次数", u"次數"};
constexpr LanguageText kMakeTimeLabel{u"Make Time", u"按下时间", u"按下時間"};
constexpr LanguageText kBreakTimeLabel{u"Break Time", u"弹起时间", u"彈起時間"};
constexpr LanguageText kSharedTimesNote{u"Make and break times are shared by every fire key.",
                                        u"按下和弹起时间为所有火力键共用。", u"按下和彈起時間為所有火力鍵共用。"};
constexpr LanguageText kTimeRangeNote{u"Time (value range 5-255)", u"时间(数值范围5-255)", u"時間(數值範圍5-255)"};
constexpr LanguageText kTimesRangeNote{
    u"Times (value range 0-127,0 indicates fire key to end when the key released)",
    u"次数(数值范围0-127，0表示按键放开火力键结束)", u"次數(數值範圍0-127，0表示按鍵放開火力鍵結束)"};

struct FieldRule {
  layout::Rect rect;
  int64_t low;
  int64_t high;
};
constexpr FieldRule kFields[] = {
    {fire::kTimesField, 0, 127},
    {fire::kMakeTimeField, 5, 255},
    {fire::kBreakTimeField, 5, 255},
};
constexpr FireField kAllFields[] = {FireField::Times, FireField::MakeTime, FireField::BreakTime};

const FieldRule& RuleOf(FireField field) { return kFields[static_cast<size_t>(field)]; }
size_t Index(FireField field) { return static_cast<size_t>(field); }

// The number a text begins with, after blanks and a sign; none without a digit.
std::optional<int64_t> NumberIn(std::u16string_view text) {
  const size_t start = text.find_first_not_of(u" \t\n\v\f\r");
  if (start == std::u16string_view::npos) return std::nullopt;
  const size_t digit = start + ((text[start] == u'+' || text[start] == u'-') ? 1 : 0);
  if (digit >= text.size() || text[digit] < u'0' || text[digit] > u'9') return std::nullopt;
  return ParseDecimalPrefix(text);
}

bool InRange(FireField field, int64_t number) {
  return number >= RuleOf(field).low && number <= RuleOf(field).high;
}

}  // namespace

FieldReading ReadFireField(FireField field, std::u16string_view text, uint8_t previous) {
  const std::optional<int64_t> number = NumberIn(text);
  const FieldRule& rule = RuleOf(field);
  const auto value = static_cast<uint8_t>(number ? std::clamp(*number, rule.low, rule.high) : previous);
  return {value, DecimalText(value)};
}

const DialogFrame& FireKeyDialog::Frame() { return kFrame; }

FireKeyDialog::FireKeyDialog(Language language, const FireChoice& current)
    : labels_{{{kTimesLabel[language], fire::kTimesLabel, TextFormat::Right},
               {kMakeTimeLabel[language], fire::kMakeTimeLabel, TextFormat::Right},
               {kBreakTimeLabel[language], fire::kBreakTimeLabel, TextFormat::Right},
               {kSharedTimesNote[language], fire::kSharedTimesNote, TextFormat::Wrapped},
               {kTimeRangeNote[language], fire::kTimeRangeNote, TextFormat::Left},
               {kTimesRangeNote[language], fire::kTimesRangeNote, TextFormat::Wrapped}}},
      target_(current.target >= 0 && current.target < kFireTargetCount ? current.target : 0) {
  for (int i = 0; i < kFireTargetCount; ++i) targets_.emplace_back(FireTargetText(i));
  const uint8_t shown[] = {current.times, current.makeTime, current.breakTime};
  for (FireField field : kAllFields) {
    const FieldReading reading = ReadFireField(field, DecimalText(shown[Index(field)]), 0);
    values_[Index(field)] = reading.value;
    texts_[Index(field)] = reading.shown;
  }
}

void FireKeyDialog::InitControls(DialogControls& controls) const {
  controls.CreateCentredDisplay(kDisplayId, fire::kDisplay, targets_[static_cast<size_t>(target_)]);
  ShowFields(controls);
}

DialogEnd FireKeyDialog::OnSkinnedClick(int x, int y, DialogControls& controls) {
  if (listOpen_ && !fire::kList.Contains(x, y) && !fire::kSelector.Contains(x, y)) CloseList(controls);
  const DialogEnd end = FrameButtonAt(x, y);
  if (end == DialogEnd::Ok && SettleFields(controls)) return DialogEnd::None;
  if (end != DialogEnd::None) return end;
  if (fire::kSelector.Contains(x, y)) {
    if (listOpen_) {
      CloseList(controls);
    } else {
      OpenList(controls);
    }
  }
  return DialogEnd::None;
}

void FireKeyDialog::OnListPick(DialogControls& controls) {
  listOpen_ = false;
  const std::optional<int> selection = controls.Selection(kListId);
  if (!selection || *selection < 0 || *selection >= kFireTargetCount) return;
  target_ = *selection;
  controls.SetText(kDisplayId, targets_[static_cast<size_t>(target_)]);
  CloseList(controls);
}

void FireKeyDialog::TrackListUnderCursor(int idUnderPointer, int item, DialogControls& controls) const {
  if (idUnderPointer != kListId || !controls.Exists(kListId)) return;
  if (item >= 0 && item < kFireTargetCount) controls.Select(kListId, item);
}

void FireKeyDialog::OnFieldChange(FireField field, std::u16string_view text, DialogControls& controls) {
  texts_[Index(field)] = text;
  const std::optional<int64_t> number = NumberIn(text);
  if (number && InRange(field, *number)) values_[Index(field)] = static_cast<uint8_t>(*number);
  if (field == FireField::Times) {
    if (number && !InRange(field, *number)) Check(field, controls);
    return;
  }
  controls.Invalidate(FieldId(FireField::MakeTime));
  controls.Invalidate(FieldId(FireField::BreakTime));
}

void FireKeyDialog::OnFieldLeave(FireField field, std::u16string_view text, DialogControls& controls) {
  texts_[Index(field)] = text;
  Check(field, controls);
}

FieldReading FireKeyDialog::Reading(FireField field) const {
  return ReadFireField(field, texts_[Index(field)], values_[Index(field)]);
}

bool FireKeyDialog::Settle(FireField field) {
  FieldReading reading = Reading(field);
  values_[Index(field)] = reading.value;
  if (reading.shown == texts_[Index(field)]) return false;
  texts_[Index(field)] = std::move(reading.shown);
  return true;
}

void FireKeyDialog::Check(FireField field, DialogControls& controls) {
  if (!controls.Exists(FieldId(field))) return;
  if (Settle(field)) {
    controls.SetText(FieldId(field), texts_[Index(field)]);  // SetText also redraws it
  } else {
    controls.Invalidate(FieldId(field));
  }
}

bool FireKeyDialog::SettleFields(DialogControls& controls) {
  bool rewritten = false;
  for (FireField field : kAllFields) {
    if (!controls.Exists(FieldId(field)) || !Settle(field)) continue;
    controls.SetText(FieldId(field), texts_[Index(field)]);
    rewritten = true;
  }
  return rewritten;
}

std::optional<FireChoice> FireKeyDialog::Result(DialogEnd end) const {
  if (end != DialogEnd::Ok) return std::nullopt;
  return FireChoice{target_, Reading(FireField::Times).value, Reading(FireField::MakeTime).value,
                    Reading(FireField::BreakTime).value};
}

void FireKeyDialog::OpenList(DialogControls& controls) {
  if (!controls.Exists(kListId)) {
    for (FireField field : kAllFields) {
      Settle(field);  // they come back showing what they stand for
      if (controls.Exists(FieldId(field))) controls.Destroy(FieldId(field));
    }
    controls.CreateList(kListId, fire::kList, targets_, EntryOf(target_, static_cast<int>(targets_.size())));
  }
  listOpen_ = true;
}

void FireKeyDialog::CloseList(DialogControls& controls) {
  if (controls.Exists(kListId)) controls.Destroy(kListId);
  listOpen_ = false;
  ShowFields(controls);
}

void FireKeyDialog::ShowFields(DialogControls& controls) const {
  for (FireField field : kAllFields) {
    if (!controls.Exists(FieldId(field))) controls.CreateNumberField(FieldId(field), RuleOf(field).rect, FieldText(field));
  }
}

}  // namespace qv
