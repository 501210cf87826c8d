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

TEST(DialogReadingOrder, NamesEachStopByItsLabelOrChoiceThenTheFrameButtons) {
  const FireKeyDialog fire(Language::TraditionalChinese);
  const std::vector<DialogStop> stops = DialogStops(FireKeyDialog::Frame().templateId);
  EXPECT_EQ(Names(DialogReadingOrder(stops, fire.Labels(), Language::TraditionalChinese, u"R-Button")),
            "R-Button|次數|按下時間|彈起時間|確定|取消|關閉|");
  // The single key dialog takes every key as the one it assigns: no stops, still its buttons.
  EXPECT_TRUE(DialogStops(SingleKeyDialog::Frame().templateId).empty());
  EXPECT_EQ(Names(DialogReadingOrder({}, {}, Language::English, u"")), "OK|Cancel|Close|");
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
