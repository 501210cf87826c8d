#include "ui/page_painter.h"

#include <gtest/gtest.h>

#include "page_fakes.h"

namespace qv {
namespace {

using test::Call;
using test::CallKind;
using test::ColumnOf;
using test::PageFixture;

// A call the paint must make, and where it stands among the others.
struct Landmark {
  CallKind kind;
  std::u16string what;  // image name or text; for a created static, its text
  layout::Rect at;      // the image's corner, the text's rectangle; unused for statics
  int id = 0;
};

bool Matches(const Call& call, const Landmark& mark) {
  if (call.kind != mark.kind) return false;
  if (mark.kind == CallKind::Create) return call.id == mark.id;
  if (call.what != mark.what) return false;
  if (mark.kind == CallKind::Image) return call.rect.left == mark.at.left && call.rect.top == mark.at.top;
  return call.rect == mark.at;
}

TEST(PaintMainPage, PaintsThePageInItsOrder) {
  PageFixture f;
  const PaintResult result = PaintMainPage(f.page, f.log, f.log);
  ASSERT_TRUE(result.painted);
  EXPECT_EQ(f.session.state, PageState::Shown);

  const Landmark order[] = {
      {CallKind::Image, u"/BasicSet2.png", {0, 0, 0, 0}},
      {CallKind::Image, u"/button-Skins-normal.png", layout::kSkinsButton},
      {CallKind::Image, u"/button-close-normal.png", layout::kCloseButton},
      {CallKind::Image, u"/button-normal.png", layout::kDefaultButton},
      {CallKind::Image, u"/button-PrePage-normal.png", layout::kBackButton},
      {CallKind::Image, u"/DropdownBox-normal.png", layout::kKeyBoxes[3]},
      {CallKind::Image, u"/slider-RP-dark.png", layout::kRateSegments[3]},
      {CallKind::Text, u"Basic Settings", layout::kPageTitle},
      {CallKind::Text, u"DPI Effect", layout::kLedAreaLabel},
      {CallKind::Text, std::u16string(Text(Language::English, kSlotWebAddress)), layout::kWebAddress},
      {CallKind::Text, u"Default", layout::kDefaultButton},
      {CallKind::Text, u"A4", layout::KeyNameText(3)},
      {CallKind::Image, u"/button-over.png", layout::kModeAButton},
      {CallKind::Text, u"Mode B", layout::kModeBButton},
      {CallKind::Text, u"1000", layout::RateValueText(3)},
      {CallKind::Text, u"Effect", layout::kLedLabels[2]},
      {CallKind::Text, u"4", layout::StageDigitText(3)},
      {CallKind::Text, u"1", layout::kKeyMapNumbers[0]},  // the key numbers by the outline's dots
      {CallKind::Text, u"4", layout::kKeyMapNumbers[3]},
      {CallKind::Create, u"", {}, 71},
      {CallKind::Create, u"", {}, 74},
      {CallKind::Text, u"250", layout::DpiLevelLabel(1, false)},
      {CallKind::Text, u"4000", layout::DpiLevelLabel(12, false)},
      {CallKind::Create, u"", {}, 80},
      {CallKind::Create, u"", {}, 82},
      {CallKind::Image, u"/slider-RP-light.png", layout::kRateSegments[3]},
      {CallKind::Image, u"/PaneMakingTick.png", layout::kDpiStageBoxes[0]},
      {CallKind::Image, u"/slider-DPI-light.png", layout::DpiCell(1, 2)},
      {CallKind::Image, u"/slider-DPI-dark.png", layout::DpiCell(1, 3)},
      {CallKind::Image, u"/PaneMakingTick.png", layout::kDpiStageBoxes[3]},
      {CallKind::Image, u"/slider-DPI-dark.png", layout::DpiCell(4, 12)},
  };
  size_t next = 0;
  for (const Call& call : f.log.calls) {
    if (next < std::size(order) && Matches(call, order[next])) ++next;
  }
  EXPECT_EQ(next, std::size(order)) << "first landmark missing or out of order: " << next;
  EXPECT_TRUE(Matches(f.log.calls.front(), order[0]));

  constexpr Rgb kTitleGrey{66, 66, 66};
  for (const Call& text : f.log.Of(CallKind::Text)) {
    const bool title = text.what == u"Basic Settings";
    EXPECT_EQ(text.font, title ? FontRole::Title : FontRole::Text) << ToUtf8(text.what);
    EXPECT_EQ(text.colour, title ? kTitleGrey : test::kSkinColour) << ToUtf8(text.what);
  }
  // OK, Apply, Cancel, Default and the Mode B button; the key boxes 5..8 are not drawn.
  EXPECT_EQ(f.log.CountImages(u"/button-normal.png"), 5);
  EXPECT_EQ(f.log.CountImages(u"/DropdownBox-normal.png"), layout::kShownKeyCount);
  EXPECT_EQ(f.log.Of(CallKind::Text).size(), 1u + 9 + 2 * 4 + 2 + 13 + 4 + 12);
}

TEST(PaintMainPage, DpiColumnsFollowTheSelectorTheStageAndAMendedLevel) {
  struct Case {
    int selector;
    uint8_t enabled, index;
    int light, dark, topY;
    int labelLeft;
    std::u16string_view topLabel;
  };
  const Case cases[] = {
      {0, 1, 3, 4, 8, 302, 514, u"4000"},
      {1, 1, 3, 4, 8, 302, 494, u"7000"},
      {2, 1, 3, 4, 4, 374, 494, u"2500"},
      {3, 1, 3, 4, 4, 374, 494, u"3200"},
      {4, 1, 3, 4, 8, 302, 514, u"4000"},  // an unknown table shows table 0
      {0, 0, 11, 0, 12, 302, 514, u"4000"},  // off: dark whatever the level
      {2, 1, 11, 8, 0, 374, 494, u"2500"},   // damaged levels light the column, no more
      {3, 1, 200, 8, 0, 374, 494, u"3200"},
      {0, 1, 255, 12, 0, 302, 514, u"4000"},
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.page.dpiSelector = c.selector;
    f.record.StageEnabled(2) = c.enabled;
    f.record.DpiIndex(2) = c.index;
    PaintMainPage(f.page, f.log, f.log);

    const test::ColumnLook column = ColumnOf(f.log, 2);
    const std::string what = "selector " + std::to_string(c.selector) + " index " + std::to_string(c.index);
    EXPECT_EQ(column.light, c.light) << what;
    EXPECT_EQ(column.dark, c.dark) << what;
    EXPECT_EQ(column.topY, c.topY) << what;
    EXPECT_TRUE(f.log.DrewImageAt(c.enabled ? u"/PaneMakingTick.png" : u"/Pane.png", layout::kDpiStageBoxes[1]));
    EXPECT_EQ(f.record.DpiIndex(2), c.index) << "the stored byte stays";
    const int levels = c.topY == 374 ? 8 : 12;
    EXPECT_EQ(f.session.dpiLevelCount, levels) << what;
    const Call* top = f.log.FindText(c.topLabel);
    ASSERT_NE(top, nullptr) << what;
    EXPECT_EQ(top->rect, layout::DpiLevelLabel(levels, c.labelLeft == layout::kDpiLabelLeftWide)) << what;
    EXPECT_EQ(top->format, TextFormat::Right);
  }
}

TEST(PaintMainPage, RateCodeLightsItsSegment) {
  const std::pair<uint8_t, int> cases[] = {{8, 1}, {4, 2}, {2, 3}, {1, 4}, {0, 4}, {3, 4}, {16, 4}, {255, 4}};
  for (auto [code, segment] : cases) {
    PageFixture f;
    f.record[uirec::kReportRate] = code;
    PaintMainPage(f.page, f.log, f.log);
    ASSERT_EQ(f.log.CountImages(u"/slider-RP-light.png"), 1);
    EXPECT_TRUE(f.log.DrewImageAt(u"/slider-RP-light.png", layout::kRateSegments[segment - 1])) << int{code};
  }
}

TEST(PaintMainPage, LedModeGivesTheValueStatics) {
  struct Static {
    StaticStyle style;
    std::u16string_view text;
  };
  struct Case {
    uint8_t mode, brightness, period, effect;
    std::u16string_view modeText;
    Static parameterStatic, effectStatic;
  };
  constexpr StaticStyle V = StaticStyle::Value;
  const Case cases[] = {
      {0, 4, 4, 2, u"Off", {V, u""}, {V, u""}},  // flat: a frame would stay once a mode is chosen
      {1, 4, 4, 2, u"Standard", {V, u"45%"}, {V, u"RGB Effect"}},
      {1, 10, 4, 2, u"Standard", {V, u""}, {V, u"RGB Effect"}},
      {2, 4, 4, 2, u"Neon", {V, u"2.5S"}, {V, u"RGB Flash"}},
      {2, 4, 29, 0, u"Neon", {V, u"15S"}, {V, u"Non-Disolay"}},
      {2, 4, 30, 3, u"Neon", {V, u""}, {V, u""}},
      {3, 4, 4, 2, u"", {V, u""}, {V, u""}},  // made all the same, for a later choice
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.record[uirec::kLightMode] = c.mode;
    f.record[uirec::kBrightness] = c.brightness;
    f.record[uirec::kNeonPeriod] = c.period;
    f.record[uirec::kNeonEffect] = c.effect;
    PaintMainPage(f.page, f.log, f.log);

    const Call* mode = f.log.FindCreate(kLedModeStaticId);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->what, c.modeText);
    EXPECT_EQ(mode->style, StaticStyle::Value);
    EXPECT_EQ(mode->rect, layout::kLedValues[0]);
    const std::pair<int, Static> statics[] = {{kLedParameterStaticId, c.parameterStatic}, {kLedEffectStaticId, c.effectStatic}};
    for (const auto& [id, expected] : statics) {
      const Call* made = f.log.FindCreate(id);
      const std::string what = "mode " + std::to_string(c.mode) + " static " + std::to_string(id);
      ASSERT_NE(made, nullptr) << what;
      EXPECT_EQ(made->style, expected.style) << what;
      EXPECT_EQ(made->what, expected.text) << what;
    }
  }
}

TEST(PaintMainPage, ModeBShownAtStartShowsItsNamesAndButton) {
  PageFixture f;
  f.record[uirec::kShownMode] = 1;
  PaintMainPage(f.page, f.log, f.log);
  for (int key = 1; key <= layout::kShownKeyCount; ++key) {
    const Call* name = f.log.FindText(u"B" + DecimalText(key));
    ASSERT_NE(name, nullptr) << key;
    EXPECT_EQ(name->rect, layout::KeyNameText(key - 1));
    EXPECT_EQ(name->format, TextFormat::Left);
  }
  EXPECT_EQ(f.log.FindText(u"A1"), nullptr);
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-over.png", layout::kModeBButton));
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-normal.png", layout::kModeAButton));
  EXPECT_FALSE(f.log.DrewImageAt(u"/button-over.png", layout::kModeAButton));
}

TEST(PaintMainPage, WithoutCanvasBitmapOnlyTheStatefulPartsAreDrawn) {
  PageFixture f;
  f.page.hasCanvasBitmap = false;
  PaintMainPage(f.page, f.log, f.log);
  EXPECT_EQ(f.log.CountImages(u"/BasicSet2.png"), 0);
  EXPECT_EQ(f.log.FindText(u"Basic Settings"), nullptr);
  EXPECT_EQ(f.log.Of(CallKind::Text).size(), 12u) << "the DPI level labels only";
  EXPECT_EQ(f.log.Of(CallKind::Create).size(), 7u);
  EXPECT_EQ(f.log.CountImages(u"/slider-RP-light.png"), 1);
  EXPECT_EQ(f.log.CountImages(u"/PaneMakingTick.png"), 4);
}

TEST(PaintMainPage, PaintsOnceUntilRebuiltAndMakesTheStaticsOncePerLife) {
  PageFixture f;
  f.log.existing = {KeyListId(2), LedListId(1), kDpiSubListId};
  f.session.openLists.keyLists[1] = true;
  f.session.openLists.ledLists[1] = true;
  PaintMainPage(f.page, f.log, f.log);

  f.log.calls.clear();
  EXPECT_FALSE(PaintMainPage(f.page, f.log, f.log).painted);
  EXPECT_TRUE(f.log.calls.empty()) << "a second paint while shown draws nothing";

  TearDownPageControls(f.session, f.log);
  EXPECT_TRUE(f.log.calls.empty()) << "only a rebuild tears down";

  f.session.state = PageState::Rebuilding;
  TearDownPageControls(f.session, f.log);
  EXPECT_EQ(f.log.existing, std::set<int>{kDpiSubListId});
  EXPECT_EQ(f.log.Of(CallKind::Destroy).size(), 9u);
  EXPECT_FALSE(f.session.openLists.keyLists[1] || f.session.openLists.ledLists[1]);

  f.session.state = PageState::MustPaint;
  f.log.calls.clear();
  PaintMainPage(f.page, f.log, f.log);
  EXPECT_EQ(f.log.Of(CallKind::Create).size(), 7u);

  // Painted again without a rebuild: the statics of this window's life stay, and so do
  // its level labels and level count.
  f.session.state = PageState::MustPaint;
  f.page.dpiSelector = 2;
  f.log.calls.clear();
  EXPECT_TRUE(PaintMainPage(f.page, f.log, f.log).painted);
  EXPECT_TRUE(f.log.Of(CallKind::Create).empty());
  EXPECT_EQ(f.log.FindText(u"2500"), nullptr);
  EXPECT_EQ(f.session.dpiLevelCount, 12);
}

}  // namespace
}  // namespace qv
