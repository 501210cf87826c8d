#include "ui/led_texts.h"

#include <array>
#include <string_view>

#include "common/text.h"

namespace qv {
namespace {

constexpr std::array<std::u16string_view, kBrightnessCount> kBrightness = {
    u"5%", u"15%", u"25%", u"35%", u"45%", u"55%", u"65%", u"75%", u"85%", u"100%"};

}  // namespace

std::u16string LedModeText(Language language, uint8_t mode) {
  if (mode > kLightNeon) return {};
  return std::u16string(Text(language, kSlotLedOff + mode));
}

std::u16string BrightnessText(uint8_t index) {
  if (index >= kBrightnessCount) return {};
  return std::u16string(kBrightness[index]);
}

std::u16string NeonSpeedText(uint8_t index) {
  if (index >= kNeonSpeedCount) return {};
  const int halves = index + 1;  // whole seconds carry no decimals
  return DecimalText(halves / 2) + (halves % 2 != 0 ? u".5S" : u"S");
}

std::u16string LightEffectText(Language language, uint8_t effect) {
  if (effect > kNeonRgbFlash) return {};
  return std::u16string(Text(language, kSlotNonDisplay + effect));
}

LedTexts LedStaticTexts(const UiRecord& record, Language language) {
  const uint8_t mode = record[uirec::kLightMode];
  LedTexts texts{LedModeText(language, mode), {}, {}};
  if (mode == kLightStandard) {
    texts.parameter = BrightnessText(record[uirec::kBrightness]);
    texts.effect = LightEffectText(language, kNeonRgbEffect);
  } else if (mode == kLightNeon) {
    texts.parameter = NeonSpeedText(record[uirec::kNeonPeriod]);
    texts.effect = LightEffectText(language, record[uirec::kNeonEffect]);
  }
  return texts;
}

}  // namespace qv
