#include "ui/key_area.h"

#include <gtest/gtest.h>

#include "page_fakes.h"

namespace qv {
namespace {

using test::CallKind;
using test::PageFixture;

TEST(KeyArea, ShowingAModeStoresItAndRedrawsButtonsAndBoxes) {
  PageFixture f;
  ShowModeB(f.page, f.log);
  EXPECT_EQ(f.record[uirec::kShownMode], 1);
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-over.png", layout::kModeBButton));
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-normal.png", layout::kModeAButton));
  EXPECT_EQ(f.log.CountImages(u"/DropdownBox-normal.png"), layout::kShownKeyCount);
  EXPECT_NE(f.log.FindText(u"B4"), nullptr);
  EXPECT_EQ(f.log.FindText(u"B5"), nullptr);

  f.log.calls.clear();
  ShowModeA(f.page, f.log);
  EXPECT_EQ(f.record[uirec::kShownMode], 0);
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-over.png", layout::kModeAButton));
  EXPECT_NE(f.log.FindText(u"A1"), nullptr);
  EXPECT_EQ(f.log.FindText(u"B1"), nullptr);
}

TEST(KeyArea, DefaultRestoresBothModesButNotTheShownMode) {
  PageFixture f;
  f.record[uirec::kShownMode] = 1;
  for (size_t offset = uirec::kFunctionType; offset < uirec::kMediaIndex; ++offset) f.record[offset] = 9;
  const UiRecord before = f.record;
  RestoreDefaultKeys(f.page, f.log);

  const uint8_t expected[] = {0, 1, 2, 5, 12, 12, 12, 12};
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kKeysPerMode; ++key) {
      EXPECT_EQ(f.record.Key(uirec::kFunctionType, mode, key), expected[key - 1]) << key;
    }
  }
  EXPECT_EQ(f.record[186], 5);
  EXPECT_EQ(f.record[194], 5);
  UiRecord untouched = f.record;
  for (size_t offset = uirec::kFunctionType; offset < uirec::kMediaIndex; ++offset) untouched[offset] = before[offset];
  untouched[186] = before[186];
  untouched[194] = before[194];
  EXPECT_EQ(untouched, before) << "only the key lists and the DPI sub-function of key 4 change";

  EXPECT_EQ(f.names[0][0], u"Left Click");
  EXPECT_EQ(f.names[1][4], u"Key Off");
  EXPECT_NE(f.log.FindText(u"DPI Loop"), nullptr);
  EXPECT_EQ(f.log.CountImages(u"/DropdownBox-normal.png"), layout::kShownKeyCount);
  EXPECT_EQ(f.log.CountImages(u"/button-over.png"), 0) << "the mode buttons stay";
}

}  // namespace
}  // namespace qv
