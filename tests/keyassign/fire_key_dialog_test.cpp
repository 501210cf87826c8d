#include "keyassign/fire_key_dialog.h"

#include <gtest/gtest.h>

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
  int value;
  const char16_t* shown;  // null: the text stays
};

TEST(ReadFireField, KeepsValuesInRangeAndReplacesTheRest) {
  const Reading cases[] = {
      {FireField::Times, u"0", 0, nullptr},          {FireField::Times, u"127", 127, nullptr},
      {FireField::Times, u"128", 1, u"1"},           {FireField::Times, u"", 0, nullptr},
      {FireField::Times, u"-3", 1, u"1"},            {FireField::MakeTime, u"4", 5, u"5"},
      {FireField::MakeTime, u"255", 255, nullptr},   {FireField::BreakTime, u"256", 5, u"5"},
      {FireField::BreakTime, u"", 5, u"5"},          {FireField::MakeTime, u"  +40", 40, nullptr},
      {FireField::BreakTime, u"12ab", 12, nullptr},
  };
  for (const Reading& c : cases) {
    const FieldReading reading = ReadFireField(c.field, c.text);
    const std::u16string shown = reading.replacement ? std::u16string(*reading.replacement) : u"(kept)";
    EXPECT_EQ(reading.value, c.value) << "field " << static_cast<int>(c.field) << ", case " << (&c - cases);
    EXPECT_EQ(shown, c.shown ? c.shown : u"(kept)") << "field " << static_cast<int>(c.field) << ", case " << (&c - cases);
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

TEST(FireKeyDialog, AnswersWhatItShowsAlsoForATimeFieldThatKeptTheFocus) {
  DialogLog log;
  FireKeyDialog untouched(Language::English);
  untouched.InitControls(log);
  const std::optional<FireChoice> defaults = untouched.Result(DialogEnd::Ok);
  ASSERT_TRUE(defaults);
  EXPECT_EQ((std::tuple{defaults->target, defaults->times, defaults->makeTime, defaults->breakTime}),
            (std::tuple{0, uint8_t{1}, uint8_t{32}, uint8_t{32}}));

  // "4" typed into Make Time and OK pressed before the field lost the focus: 5, as the
  // field would show once checked, never the 4 the mouse cannot take.
  FireKeyDialog typed(Language::English);
  typed.InitControls(log);
  typed.OnFieldChange(FireField::MakeTime, u"4", log);
  typed.OnFieldChange(FireField::BreakTime, u"", log);
  EXPECT_EQ(log.texts[kMake], u"32") << "checked only when the focus leaves";
  const std::optional<FireChoice> result = typed.Result(DialogEnd::Ok);
  ASSERT_TRUE(result);
  EXPECT_EQ((std::pair{result->makeTime, result->breakTime}), (std::pair{uint8_t{5}, uint8_t{5}}));
  EXPECT_FALSE(typed.Result(DialogEnd::Cancel));
}

}  // namespace
}  // namespace qv
