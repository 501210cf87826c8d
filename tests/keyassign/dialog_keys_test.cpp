#include "keyassign/dialog_keys.h"

#include <gtest/gtest.h>

#include "common/text.h"
#include "keyassign/fire_key_dialog.h"
#include "keyassign/single_key_dialog.h"

namespace qv {
namespace {

std::string Names(const std::vector<AccessibleControl>& controls) {
  std::string all;
  for (const AccessibleControl& c : controls) all += ToUtf8(c.name) + "|";
  return all;
}

std::string Values(const std::vector<AccessibleControl>& controls) {
  std::string all;
  for (const AccessibleControl& c : controls) all += ToUtf8(c.value) + "|";
  return all;
}

TEST(DialogReadingOrder, NamesEachStopByItsLabelOrTheTitleWithWhatItShowsThenTheFrameButtons) {
  const Language cht = Language::TraditionalChinese;
  const FireKeyDialog fire(cht);
  const std::u16string fireValues[] = {u"R-Button", u"5", u"20", u"40"};
  const std::vector<AccessibleControl> fireControls =
      DialogReadingOrder(DialogStops(FireKeyDialog::Frame().templateId), fire.Labels(), cht,
                         FireKeyDialog::Frame().title[cht], fireValues);
  EXPECT_EQ(Names(fireControls), ToUtf8(FireKeyDialog::Frame().title[cht]) + "|次數|按下時間|彈起時間|確定|取消|關閉|");
  EXPECT_EQ(Values(fireControls), "R-Button|5|20|40||||");
  EXPECT_EQ(fireControls[0].role, ControlRole::DropDown);

  // The single key dialog's field, named by the prompt above it, holds the key taken.
  const SingleKeyDialog single(Language::English);
  const std::vector<DialogStop> singleStops = DialogStops(SingleKeyDialog::Frame().templateId);
  ASSERT_EQ(singleStops.size(), 3u);
  EXPECT_TRUE(singleStops[0].capturesKey);
  const std::u16string key[] = {u"Escape"};
  const std::vector<AccessibleControl> singleControls =
      DialogReadingOrder(singleStops, single.Labels(), Language::English, u"Single keyboard key", key);
  EXPECT_EQ(Names(singleControls), "Please enter a key|OK|Cancel|Close|");
  EXPECT_EQ(singleControls[0].value, u"Escape");
  EXPECT_EQ(singleControls[0].role, ControlRole::KeyField);
}

TEST(NextStop, WrapsBothWaysAndPassesOverFieldsTheListCovers) {
  auto all = [](int) { return true; };
  auto noFields = [](int stop) { return stop == 0 || stop >= 4; };  // the fire dialog with its list open
  EXPECT_EQ(NextStop(std::nullopt, 6, false, all), 0);
  EXPECT_EQ(NextStop(std::nullopt, 6, true, all), 5);
  EXPECT_EQ(NextStop(5, 6, false, all), 0);
  EXPECT_EQ(NextStop(0, 6, false, noFields), 4);
  EXPECT_EQ(NextStop(4, 6, true, noFields), 0);
  EXPECT_EQ(NextStop(0, 6, false, [](int) { return false; }), std::nullopt);
}

}  // namespace
}  // namespace qv
