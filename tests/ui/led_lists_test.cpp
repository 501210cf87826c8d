#include "ui/led_lists.h"

#include <gtest/gtest.h>

#include "page_fakes.h"

namespace qv {
namespace {

using test::CallKind;
using test::PageFixture;

// The fixture's lighting with every kept value distinct: brightness 100 %, period 2 s, RGB Flash.
struct LedFixture : PageFixture {
  explicit LedFixture(uint8_t mode) {
    record[uirec::kLightMode] = mode;
    record[uirec::kBrightness] = 9;
    record[uirec::kNeonPeriod] = 3;
    record[uirec::kNeonEffect] = kNeonRgbFlash;
  }
  void OpenWithPick(int box, std::optional<int> pick) {
    log.existing.insert(LedListId(box));
    session.openLists.ledLists[static_cast<size_t>(box)] = true;
    if (pick) log.selections[LedListId(box)] = *pick;
  }
};

TEST(OnLedModeSelect, ANewModeShowsItsValuesAndKeepsTheOthers) {
  struct Case {
    uint8_t from;
    int pick;
    std::u16string mode, parameter, effect;
  };
  const Case cases[] = {
      {kLightNeon, 1, u"Standard", u"100%", u"RGB Effect"},
      {kLightStandard, 2, u"Neon", u"2S", u"RGB Flash"},
      {kLightNeon, 0, u"Off", u"", u""},
      {kLightOff, 2, u"Neon", u"2S", u"RGB Flash"},
  };
  for (const Case& c : cases) {
    LedFixture f(c.from);
    f.OpenWithPick(0, c.pick);
    UiRecord expected = f.record;
    expected[uirec::kLightMode] = static_cast<uint8_t>(c.pick);

    OnLedModeSelect(f.page, f.log);

    EXPECT_EQ(f.record, expected) << ToUtf8(c.mode) << ": offsets 28, 30 and 33 stay";
    EXPECT_EQ(f.log.LastText(kLedModeStaticId), c.mode);
    EXPECT_EQ(f.log.LastText(kLedParameterStaticId), c.parameter) << ToUtf8(c.mode);
    EXPECT_EQ(f.log.LastText(kLedEffectStaticId), c.effect) << ToUtf8(c.mode);
    EXPECT_FALSE(f.log.Exists(LedListId(0)));
    EXPECT_FALSE(f.session.openLists.ledLists[0]);
  }
}

TEST(OnLedParameterAndEffectSelect, StoreThePickOfTheModeInForce) {
  struct Case {
    const char* what;
    uint8_t mode;
    int box;
    int pick;
    size_t offset;
    uint8_t stored;
    std::u16string shown;
  };
  const Case cases[] = {
      {"fifth brightness", kLightStandard, 1, 4, uirec::kBrightness, 4, u"45%"},
      {"fifth speed", kLightNeon, 1, 4, uirec::kNeonPeriod, 4, u"2.5S"},
      {"last speed", kLightNeon, 1, 29, uirec::kNeonPeriod, 29, u"15S"},
      {"RGB Effect", kLightNeon, 2, 0, uirec::kNeonEffect, 1, u"RGB Effect"},
  };
  for (const Case& c : cases) {
    LedFixture f(c.mode);
    f.OpenWithPick(c.box, c.pick);
    UiRecord expected = f.record;
    expected[c.offset] = c.stored;

    (c.box == 1 ? OnLedParameterSelect : OnLedEffectSelect)(f.page, f.log);

    EXPECT_EQ(f.record, expected) << c.what;
    EXPECT_EQ(f.log.LastText(LedStaticId(c.box)), c.shown) << c.what;
    EXPECT_FALSE(f.log.Exists(LedListId(c.box))) << c.what;
    EXPECT_FALSE(f.session.openLists.ledLists[static_cast<size_t>(c.box)]) << c.what;
  }
}

TEST(OnLedSelect, APickWithNoSelectionChangesNothing) {
  void (*const handlers[])(Page&, PageControls&) = {OnLedModeSelect, OnLedParameterSelect, OnLedEffectSelect};
  for (int box = 0; box < 3; ++box) {
    LedFixture f(kLightNeon);
    f.OpenWithPick(box, std::nullopt);
    const UiRecord before = f.record;
    handlers[box](f.page, f.log);
    EXPECT_EQ(f.record, before) << box;
    EXPECT_TRUE(f.log.calls.empty()) << box;
    EXPECT_TRUE(f.log.Exists(LedListId(box))) << box;
    EXPECT_TRUE(f.session.openLists.ledLists[static_cast<size_t>(box)]) << box;
  }
}

TEST(ToggleLedList, OpensTheListOfTheModeAndClosesOnTheNextPress) {
  struct Case {
    const char* what;
    uint8_t mode;
    int box;
    std::optional<layout::Rect> list;  // none: the press opens no list
    size_t entries = 0;
    std::u16string last = u"";
    std::optional<int> marked = std::nullopt;  // the entry of the value in force
  };
  const Case cases[] = {
      {"mode", kLightOff, 0, layout::kLedModeList, 3, u"Neon", 0},
      {"brightness", kLightStandard, 1, layout::kLedParameterListStandard, 10, u"100%", 9},
      {"speed", kLightNeon, 1, layout::kLedParameterListNeon, 30, u"15S", 3},
      {"parameter while off", kLightOff, 1, std::nullopt, 0, u""},
      {"effect", kLightNeon, 2, layout::kLedEffectList, 2, u"RGB Flash", 1},
      {"effect of Standard", kLightStandard, 2, std::nullopt, 0, u""},
      {"effect while off", kLightOff, 2, std::nullopt, 0, u""},
  };
  for (const Case& c : cases) {
    LedFixture f(c.mode);
    ToggleLedList(f.page, c.box, f.log);
    EXPECT_TRUE(f.session.openLists.ledLists[static_cast<size_t>(c.box)]) << c.what;
    EXPECT_EQ(f.log.Exists(LedListId(c.box)), c.list.has_value()) << c.what;
    if (c.list) {
      EXPECT_EQ(f.log.Of(CallKind::CreateList).at(0).rect, *c.list) << c.what;
      ASSERT_EQ(f.log.lists.at(LedListId(c.box)).size(), c.entries) << c.what;
      EXPECT_EQ(f.log.lists.at(LedListId(c.box)).back(), c.last) << c.what;
      EXPECT_EQ(f.log.marked.at(LedListId(c.box)), c.marked) << c.what;
    }
    const bool showsStandardEffect = c.mode == kLightStandard && c.box == 2;
    EXPECT_EQ(f.log.LastText(kLedEffectStaticId), showsStandardEffect ? std::optional<std::u16string>(u"RGB Effect") : std::nullopt)
        << c.what;

    ToggleLedList(f.page, c.box, f.log);
    EXPECT_FALSE(f.session.openLists.ledLists[static_cast<size_t>(c.box)]) << c.what;
    EXPECT_FALSE(f.log.Exists(LedListId(c.box))) << c.what;
  }
}

}  // namespace
}  // namespace qv
