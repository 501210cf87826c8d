#include "keyassign/fire_key_dialog.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "keyassign/dialog_fakes.h"
#include "ui/layout.h"

namespace qv {
namespace {

using test::DialogLog;
namespace fire = layout::fire_dialog;

constexpr int kTimes = FireKeyDialog::FieldId(FireField::Times);
constexpr int kMake = FireKeyDialog::FieldId(FireField::MakeTime);
constexpr int kBreak = FireKeyDialog::FieldId(FireField::BreakTime);

struct Reading {
  FireField field;
  const char16_t* text;
  int value;  // the field held 9 before
};

TEST(ReadFireField, TakesTheNearestValueInRangeAndKeepsThePreviousForNoNumber) {
  const Reading cases[] = {
      {FireField::Times, u"0", 0},          {FireField::Times, u"127", 127},    {FireField::Times, u"128", 127},
      {FireField::Times, u"300", 127},      {FireField::Times, u"-3", 0},       {FireField::Times, u"abc", 9},
      {FireField::Times, u"", 9},           {FireField::MakeTime, u"4", 5},     {FireField::MakeTime, u"255", 255},
      {FireField::BreakTime, u"999", 255},  {FireField::BreakTime, u"", 9},     {FireField::MakeTime, u"  +40", 40},
      {FireField::BreakTime, u"12ab", 12},  {FireField::MakeTime, u"+", 9},     {FireField::Times, u"99999999999", 127},
  };
  for (const Reading& c : cases) {
    const FieldReading reading = ReadFireField(c.field, c.text, 9);
    EXPECT_EQ(reading.value, c.value) << "field " << static_cast<int>(c.field) << ", case " << (&c - cases);
    EXPECT_EQ(reading.shown, DecimalText(c.value)) << "field " << static_cast<int>(c.field) << ", case " << (&c - cases);
  }
}

TEST(FireKeyDialog, TheListCoversTheFieldsWhichComeBackWithWhatWasTyped) {
  DialogLog log;
  FireKeyDialog dialog(Language::English);
  dialog.InitControls(log);
  EXPECT_EQ(log.texts[FireKeyDialog::kDisplayId], u"L-Button");
  dialog.OnFieldChange(FireField::Times, u"9", log);
  dialog.OnFieldChange(FireField::MakeTime, u"70", log);
  dialog.OnFieldLeave(FireField::MakeTime, u"70", log);

  dialog.OnSkinnedClick(fire::kSelector.right - 2, fire::kSelector.top + 2, log);
  ASSERT_TRUE(log.Exists(FireKeyDialog::kListId));
  EXPECT_EQ(log.lists[FireKeyDialog::kListId].size(), 59u);
  EXPECT_FALSE(log.Exists(kTimes) || log.Exists(kMake) || log.Exists(kBreak));

  log.Select(FireKeyDialog::kListId, 44);
  dialog.OnListPick(log);
  EXPECT_FALSE(log.Exists(FireKeyDialog::kListId));
  EXPECT_EQ(log.texts[FireKeyDialog::kDisplayId], u"R-CTRL");
  EXPECT_EQ(log.texts[kTimes], u"9");
  EXPECT_EQ(log.texts[kMake], u"70");
  EXPECT_EQ(log.texts[kBreak], u"32");

  // A press beside the open list closes it and brings the fields back as well.
  dialog.OnSkinnedClick(fire::kSelector.left + 2, fire::kSelector.top + 2, log);
  dialog.OnSkinnedClick(300, 60, log);
  EXPECT_FALSE(dialog.ListOpen());
  EXPECT_TRUE(log.Exists(kTimes) && log.Exists(kMake) && log.Exists(kBreak));

  const std::optional<FireChoice> result = dialog.Result(DialogEnd::Ok);
  ASSERT_TRUE(result);
  EXPECT_EQ((std::tuple{result->target, result->times, result->makeTime, result->breakTime}),
            (std::tuple{44, uint8_t{9}, uint8_t{70}, uint8_t{32}}));
}

TEST(FireKeyDialog, ShowsAndAnswersTheCheckedValuesAlsoForAFieldThatKeptTheFocus) {
  // Opened on a key set to B, 5 shots, 20/40 (and on a damaged make time of 0): OK keeps them.
  const struct {
    FireChoice current;
    FireChoice kept;
  } openings[] = {{{6, 5, 20, 40}, {6, 5, 20, 40}}, {{6, 5, 0, 40}, {6, 5, 5, 40}}};
  for (const auto& opening : openings) {
    DialogLog log;
    FireKeyDialog untouched(Language::English, opening.current);
    untouched.InitControls(log);
    EXPECT_EQ(log.texts[FireKeyDialog::kDisplayId], u"B");
    EXPECT_EQ(log.texts[kMake], DecimalText(opening.kept.makeTime));
    const std::optional<FireChoice> kept = untouched.Result(DialogEnd::Ok);
    ASSERT_TRUE(kept);
    EXPECT_EQ((std::tuple{kept->target, kept->times, kept->makeTime, kept->breakTime}),
              (std::tuple{opening.kept.target, opening.kept.times, opening.kept.makeTime, opening.kept.breakTime}));
  }
  DialogLog log;

  FireKeyDialog typed(Language::English);
  typed.InitControls(log);
  const auto type = [&](FireField field, std::u16string_view text) {
    log.texts[FireKeyDialog::FieldId(field)] = text;  // what the edit shows as the user types
    typed.OnFieldChange(field, text, log);
  };
  type(FireField::Times, u"300");  // no more digits bring it back: at once
  EXPECT_EQ(log.texts[kTimes], u"127");
  type(FireField::Times, u"abc");  // pasted: the value before it stays, not 0 ("until released")
  typed.OnFieldLeave(FireField::Times, u"abc", log);
  EXPECT_EQ(log.texts[kTimes], u"127");
  type(FireField::MakeTime, u"40");
  type(FireField::MakeTime, u"");  // cleared and left: 40 again
  typed.OnFieldLeave(FireField::MakeTime, u"", log);
  EXPECT_EQ(log.texts[kMake], u"40");
  // "4" typed into Make Time and "999" into Break Time, OK pressed while a field still has
  // the focus: the dialog stays open showing 5 and 255, and only the next OK sends them.
  type(FireField::MakeTime, u"4");
  type(FireField::BreakTime, u"999");
  EXPECT_EQ(log.texts[kMake], u"4") << "a time field is checked only when the focus leaves";
  const int okX = layout::dialog::kOk.left + 2, okY = layout::dialog::kOk.top + 2;
  EXPECT_EQ(typed.OnSkinnedClick(okX, okY, log), DialogEnd::None);
  EXPECT_EQ((std::tuple{log.texts[kTimes], log.texts[kMake], log.texts[kBreak]}),
            (std::tuple{std::u16string(u"127"), std::u16string(u"5"), std::u16string(u"255")}));
  EXPECT_FALSE(typed.SettleFields(log)) << "Enter on what is shown sends it";
  EXPECT_EQ(typed.OnSkinnedClick(okX, okY, log), DialogEnd::Ok);
  const std::optional<FireChoice> result = typed.Result(DialogEnd::Ok);
  ASSERT_TRUE(result);
  EXPECT_EQ((std::tuple{result->times, result->makeTime, result->breakTime}),
            (std::tuple{uint8_t{127}, uint8_t{5}, uint8_t{255}}));
  EXPECT_FALSE(typed.Result(DialogEnd::Cancel));
}

}  // namespace
}  // namespace qv
