// The small decisions of the page that draw nothing: LED texts and control colours.
#include <gtest/gtest.h>

#include "page_fakes.h"
#include "ui/control_colours.h"
#include "ui/led_texts.h"

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

}  // namespace
}  // namespace qv
