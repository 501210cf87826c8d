#include "model/dpi_tables.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

struct Table {
  int selector;
  std::vector<int> values;
  std::vector<uint8_t> codes;
};

const Table kTables[] = {
    {0, {250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000},
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x25, 0x26, 0x27, 0x28}},
    {1, {500, 1000, 1500, 1750, 2000, 2500, 3000, 3500, 4000, 5000, 6000, 7000},
     {0x02, 0x04, 0x06, 0x07, 0x08, 0x0A, 0x0C, 0x0E, 0x28, 0x2A, 0x2C, 0x2E}},
    {2, {250, 500, 750, 1000, 1250, 1500, 2000, 2500}, {0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A}},
    {3, {400, 800, 1200, 1600, 2000, 2400, 2800, 3200}, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}},
};

std::u16string Decimal(int value) {
  const std::string ascii = std::to_string(value);
  return std::u16string(ascii.begin(), ascii.end());
}

TEST(DpiTables, EveryLevelHasItsCodeAndValueText) {
  for (const Table& t : kTables) {
    EXPECT_EQ(DpiLevelCount(t.selector), static_cast<int>(t.values.size()));
    for (size_t i = 0; i < t.codes.size(); ++i) {
      const int index = static_cast<int>(i);
      SCOPED_TRACE(::testing::Message() << "selector " << t.selector << " index " << index);
      EXPECT_EQ(DpiCode(t.selector, index, true), t.codes[i]);
      EXPECT_EQ(DpiCode(t.selector, index, false), t.codes[i] | 0x80);
      EXPECT_EQ(DpiValueText(t.selector, index), Decimal(t.values[i]));
      EXPECT_EQ(DpiNoticeText(t.selector, index), Decimal(t.values[i]));
    }
  }
}

// A damaged config.bin can hold any index; the lookups must stay inside their tables.
TEST(DpiTables, IndexBeyondItsTableGivesCodeZeroAndNoText) {
  struct Case {
    int selector;
    int index;
  };
  const Case cases[] = {{0, 12}, {1, 12}, {2, 8}, {3, 8}, {2, 11}, {0, 255}, {0, -1}, {3, 1000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "selector " << c.selector << " index " << c.index);
    EXPECT_EQ(DpiCode(c.selector, c.index, true), 0x00);
    EXPECT_EQ(DpiCode(c.selector, c.index, false), 0x80);
    EXPECT_EQ(DpiNoticeText(c.selector, c.index), u"");
  }
  EXPECT_EQ(DpiValueText(2, 8), u"");
  EXPECT_EQ(DpiValueText(0, 12), u"");
  EXPECT_EQ(DpiValueText(1, -1), u"");
}

TEST(DpiTables, UnknownSelectorGivesCodeZeroWithTheDisabledBitAsUsual) {
  for (int selector : {4, 5, 255, -1}) {
    EXPECT_EQ(DpiCode(selector, 0, true), 0x00) << selector;
    EXPECT_EQ(DpiCode(selector, 3, false), 0x80) << selector;
    EXPECT_EQ(DpiLevelCount(selector), 12) << selector;
  }
}

TEST(DpiTables, PageShowsTheSelectorZeroListForAnUnknownSelectorButANoticeShowsNothing) {
  for (int selector : {4, 200, -1}) {
    EXPECT_EQ(DpiValueText(selector, 0), u"250") << selector;
    EXPECT_EQ(DpiValueText(selector, 11), u"4000") << selector;
    EXPECT_EQ(DpiNoticeText(selector, 0), u"") << selector;
  }
}

TEST(DpiTables, StageNoticeTextsFollowTheRecordIndexes) {
  UiRecord record;
  record.DpiIndex(1) = 0;
  record.DpiIndex(2) = 3;
  record.DpiIndex(3) = 7;
  record.DpiIndex(4) = 9;  // beyond the 8-level table of selector 3
  const auto texts = StageDpiNoticeTexts(record, 3);
  EXPECT_EQ(texts[0], u"400");
  EXPECT_EQ(texts[1], u"1600");
  EXPECT_EQ(texts[2], u"3200");
  EXPECT_EQ(texts[3], u"");
  EXPECT_EQ(StageDpiNoticeTexts(record, 4)[1], u"");
}

}  // namespace
}  // namespace qv
