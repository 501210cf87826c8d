#pragma once
// The texts of the LED value statics 80, 81 and 82 and of the LED lists' entries.
#include <cstdint>
#include <string>

#include "model/config_image.h"
#include "ui/language.h"

namespace qv {

inline constexpr int kBrightnessCount = 10;
inline constexpr int kNeonSpeedCount = 30;

// "Off", "Standard", "Neon"; any other mode an empty text.
std::u16string LedModeText(Language language, uint8_t mode);
// "5%", "15%" .. "85%", "100%"; out of range empty.
std::u16string BrightnessText(uint8_t index);
// (index + 1) x 0.5 seconds: "0.5S", "1S", "1.5S" .. "15S"; out of range empty.
std::u16string NeonSpeedText(uint8_t index);
// 0 "Non-Disolay", 1 "RGB Effect", 2 "RGB Flash"; other empty.
std::u16string LightEffectText(Language language, uint8_t effect);

struct LedTexts {
  std::u16string mode;
  std::u16string parameter;
  std::u16string effect;
};

// What statics 80, 81 and 82 show for the record: Standard shows its brightness and always
// "RGB Effect", Neon its speed and its effect; Off and unknown modes show no parameter.
LedTexts LedStaticTexts(const UiRecord& record, Language language);

}  // namespace qv
