#include "ui/sliders.h"

#include <gtest/gtest.h>

#include "page_fakes.h"

namespace qv {
namespace {

using test::CallKind;
using test::ColumnOf;
using test::PageFixture;

TEST(SetReportRate, MovesTheLightOnlyWhenTheSegmentChanges) {
  struct Case {
    uint8_t code;
    int segment;
    int oldSegment;  // 0: nothing drawn
    uint8_t stored;
  };
  const Case cases[] = {
      {1, 4, 0, 1}, {8, 1, 0, 8}, {0, 4, 0, 1}, {77, 4, 0, 1},
      {1, 1, 4, 8}, {4, 3, 2, 2}, {2, 2, 3, 4}, {0, 2, 4, 4},
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.record[uirec::kReportRate] = c.code;
    SetReportRate(f.record, c.segment, f.log);
    EXPECT_EQ(f.record[uirec::kReportRate], c.stored) << int{c.code} << " " << c.segment;
    if (c.oldSegment == 0) {
      EXPECT_TRUE(f.log.calls.empty()) << int{c.code} << " " << c.segment;
      continue;
    }
    ASSERT_EQ(f.log.calls.size(), 2u);
    EXPECT_TRUE(f.log.DrewImageAt(u"/slider-RP-light.png", layout::kRateSegments[c.segment - 1]));
    EXPECT_TRUE(f.log.DrewImageAt(u"/slider-RP-dark.png", layout::kRateSegments[c.oldSegment - 1]));
  }
}

TEST(ToggleDpiStage, OneStageAlwaysStaysOn) {
  struct Case {
    std::array<uint8_t, 4> enabled;
    uint8_t index;  // of stage 2, the one toggled
    int levelCount;
    uint8_t enabledAfter;
    std::u16string_view box;  // empty: nothing drawn
    int light, dark;
  };
  const Case cases[] = {
      {{1, 0, 1, 1}, 0, 12, 1, u"/PaneMakingTick.png", 1, 11},  // on again lights at least level 1
      {{0, 0, 0, 1}, 5, 8, 1, u"/PaneMakingTick.png", 6, 2},
      {{1, 0, 0, 0}, 200, 8, 1, u"/PaneMakingTick.png", 8, 0},  // a damaged level stays in the column
      {{0, 2, 1, 0}, 2, 12, 1, u"/PaneMakingTick.png", 3, 9},  // neither 0 nor 1 reads as off
      {{1, 1, 1, 1}, 3, 12, 0, u"/Pane.png", 0, 12},
      {{0, 1, 0, 1}, 3, 8, 0, u"/Pane.png", 0, 8},
      {{0, 1, 0, 0}, 3, 12, 1, u"", 0, 0},
      {{2, 1, 0, 0}, 3, 12, 1, u"", 0, 0},
  };
  for (const Case& c : cases) {
    PageFixture f;
    for (int stage = 1; stage <= kStageCount; ++stage) f.record.StageEnabled(stage) = c.enabled[stage - 1];
    f.record.DpiIndex(2) = c.index;
    f.session.dpiLevelCount = c.levelCount;
    ToggleDpiStage(f.page, 2, f.log);

    const std::string what = "case with index " + std::to_string(c.index);
    EXPECT_EQ(f.record.StageEnabled(2), c.enabledAfter) << what;
    EXPECT_EQ(f.record.DpiIndex(2), c.index) << what;
    if (c.box.empty()) {
      EXPECT_TRUE(f.log.calls.empty()) << what;
      continue;
    }
    EXPECT_TRUE(f.log.DrewImageAt(c.box, layout::kDpiStageBoxes[1])) << what;
    const test::ColumnLook column = ColumnOf(f.log, 2);
    EXPECT_EQ(column.light, c.light) << what;
    EXPECT_EQ(column.dark, c.dark) << what;
    EXPECT_EQ(f.log.calls.size(), 1u + c.levelCount) << what;
  }
}

TEST(SetDpiLevel, HighLevelsOnlyForTheTwelveLevelTables) {
  struct Case {
    int selector, levelCount, level;
    uint8_t enabled;
    bool bitmap;
    bool set;
  };
  const Case cases[] = {
      {1, 12, 9, 1, true, true},   // 5000 DPI
      {0, 12, 12, 1, true, true},
      {2, 8, 9, 1, true, false},
      {3, 8, 12, 1, true, false},
      {4, 12, 9, 1, true, false},  // twelve cells shown, yet no level 9
      {2, 8, 8, 1, true, true},
      {0, 12, 3, 0, true, true},   // set, and dark as the next paint shows a stage that is off
      {0, 12, 3, 1, false, false},
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.page.dpiSelector = c.selector;
    f.page.hasCanvasBitmap = c.bitmap;
    f.session.dpiLevelCount = c.levelCount;
    f.record.StageEnabled(3) = c.enabled;
    f.record.DpiIndex(3) = 6;
    SetDpiLevel(f.page, 3, c.level, f.log);

    const std::string what = "selector " + std::to_string(c.selector) + " level " + std::to_string(c.level);
    EXPECT_EQ(f.record.DpiIndex(3), c.set ? c.level - 1 : 6) << what;
    const int lit = c.set && c.enabled == 1 ? c.level : 0;
    const test::ColumnLook column = ColumnOf(f.log, 3);
    EXPECT_EQ(column.light, lit) << what;
    EXPECT_EQ(column.dark, c.set ? c.levelCount - lit : 0) << what;
    EXPECT_EQ(f.log.calls.size(), c.set ? static_cast<size_t>(c.levelCount) : 0u) << "no box: " << what;
  }
}

}  // namespace
}  // namespace qv
