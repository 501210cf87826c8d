// The small decisions of the page that draw nothing: LED texts and control colours.
#include <gtest/gtest.h>

#include "page_fakes.h"
#include "ui/control_colours.h"
#include "ui/led_texts.h"
#include "ui/page_controls.h"

namespace qv {
namespace {

TEST(LedTexts, EdgesOfEachMapping) {
  struct Case {
    std::u16string text, expected;
  };
  const Case cases[] = {
      {NeonSpeedText(0), u"0.5S"},      {NeonSpeedText(1), u"1S"},
      {NeonSpeedText(4), u"2.5S"},      {NeonSpeedText(28), u"14.5S"},
      {NeonSpeedText(29), u"15S"},      {NeonSpeedText(30), u""},
      {BrightnessText(0), u"5%"},       {BrightnessText(8), u"85%"},
      {BrightnessText(9), u"100%"},     {BrightnessText(10), u""},
      {LightEffectText(Language::English, 0), u"Non-Disolay"},
      {LightEffectText(Language::English, 3), u""},
      {LedModeText(Language::TraditionalChinese, 2), u"霓虹模式"},
      {LedModeText(Language::English, 3), u""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST(ControlColours, ByKindAndId) {
  UiRecord record;
  record.StageColour(2)[0] = 7;
  record.StageColour(2)[2] = 9;
  constexpr Rgb skin = test::kSkinColour;
  constexpr Rgb black{0, 0, 0};
  constexpr Rgb green{100, 150, 100};
  struct Case {
    ControlKind kind;
    int id;
    std::optional<Rgb> text;
    bool transparent;
    std::optional<Rgb> background;
    bool smallFont;
    std::optional<Rgb> brush;
  };
  const Case cases[] = {
      {ControlKind::Static, 72, {}, true, {}, false, Rgb{7, 0, 9}},
      {ControlKind::Static, 81, skin, false, black, true, black},
      {ControlKind::Static, 119, skin, false, black, true, black},
      {ControlKind::Static, 75, skin, false, green, true, green},
      {ControlKind::ListBox, 151, skin, true, {}, false, Rgb{14, 15, 14}},
      {ControlKind::ListBox, 41, Rgb{255, 255, 255}, true, black, true, black},
      {ControlKind::Edit, 5, skin, true, {}, false, black},
      {ControlKind::Button, 1, {}, true, {}, false, {}},
      {ControlKind::Other, 72, {}, false, {}, false, {}},
  };
  for (const Case& c : cases) {
    const ControlColours answer = ColoursOfControl(c.kind, c.id, skin, record);
    const std::string what = std::to_string(static_cast<int>(c.kind)) + "/" + std::to_string(c.id);
    EXPECT_EQ(answer.text, c.text) << what;
    EXPECT_EQ(answer.transparent, c.transparent) << what;
    EXPECT_EQ(answer.background, c.background) << what;
    EXPECT_EQ(answer.font, c.smallFont ? std::optional{FontRole::Text} : std::nullopt) << what;
    EXPECT_EQ(answer.brush, c.brush) << what;
  }
}

// The LED value boxes are black on every skin: a text colour chosen for a light skin gives
// way to white there, one that reads on black stays.
TEST(ControlColours, TheLedValueBoxesReadOnTheirBlackWhateverTheTextColour) {
  constexpr Rgb white{255, 255, 255};
  struct Case {
    Rgb chosen, shown;
  };
  const Case cases[] = {
      {Rgb{230, 230, 230}, Rgb{230, 230, 230}},  // Carbon's grey
      {Rgb{0, 255, 0}, Rgb{0, 255, 0}},          // the default green
      {Rgb{117, 117, 117}, Rgb{117, 117, 117}},  // the darkest grey that reads, 4.56:1
      {Rgb{116, 116, 116}, white},               // 4.49:1
      {Rgb{24, 100, 210}, white},                // a mid blue, 3.8:1
      {Rgb{40, 40, 40}, white},                  // Frost's grey
      {Rgb{0, 0, 0}, white},
  };
  for (const Case& c : cases) {
    for (const int id : {kLedModeStaticId, kLedEffectStaticId}) {
      EXPECT_EQ(ColoursOfControl(ControlKind::Static, id, c.chosen, UiRecord{}).text, c.shown)
          << int{c.chosen.red} << "," << int{c.chosen.green} << "," << int{c.chosen.blue} << " in " << id;
    }
  }
}

}  // namespace
}  // namespace qv
