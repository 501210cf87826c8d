#include "cli/mouse_view.h"

#include <algorithm>
#include <cstdio>

#include "common/text.h"
#include "config/mouse_settings.h"
#include "keyassign/key_decode.h"
#include "keyassign/selector_dialogs.h"
#include "model/dpi_tables.h"
#include "ui/key_lists.h"
#include "ui/led_texts.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

std::string Hex(uint8_t byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

std::string ItemText(const SelectorDialogKind& kind, uint8_t index) {
  return index < kind.items.size() ? ToUtf8(kind.items[index][Language::English]) : "entry " + std::to_string(index);
}

std::string FireText(const DecodedKey& key) {
  const std::string target = ToUtf8(FireTargetText(FireTargetIndexOfCode(key.parameter)));
  return target + (key.fireTimes == 0 ? ", until released" : ", " + std::to_string(key.fireTimes) + " shots");
}

std::string ParameterText(const DecodedKey& key) {
  switch (key.type) {
    case KeyFunctionType::DpiSwitch: return ToUtf8(DpiSubFunctionText(key.parameter, Language::English));
    case KeyFunctionType::Windows: return ItemText(WindowsDialog(), key.parameter);
    case KeyFunctionType::Multimedia: return ItemText(MediaDialog(), key.parameter);
    case KeyFunctionType::HotKey: return ItemText(HotKeyDialog(), key.parameter);
    case KeyFunctionType::FireKey: return FireText(key);
    case KeyFunctionType::SingleKey: return ToUtf8(UsageToKeyName(key.parameter));
    default: return {};
  }
}

KeyView ViewOfKey(const ConfigImage& image, KeyMode mode, int key) {
  const std::span<const uint8_t, 2> slot = image.KeySlot(mode, *KeyTableSlot(mode, key));
  const KeyCode code{slot[0], slot[1]};
  const std::optional<DecodedKey> decoded = DecodeKeyAssignment(code);
  if (!decoded) return {mode, key, "Unknown", "code " + Hex(code.code) + ", type " + Hex(code.type)};
  return {mode, key, ToUtf8(KeyListEntry(kEnglish, static_cast<int>(decoded->type))), ParameterText(*decoded)};
}

DpiView ViewOfDpi(int dpiTable, uint8_t code) {
  const int index = DpiIndexOfCode(dpiTable, code);
  return {index < 0 ? 0 : DpiValue(dpiTable, index), code};
}

LightView ViewOfLight(const ConfigImage& image) {
  const uint8_t mode = image.Field(blockset::kLightMode);
  const uint8_t parameter = image.Field(blockset::kLightParameter);
  const std::string modeText = ToUtf8(LedModeText(kEnglish, mode));
  if (modeText.empty()) return {"unknown (" + std::to_string(mode) + ")", {}, {}};
  if (mode == kLightStandard) return {modeText, ToUtf8(BrightnessText(parameter)), {}};
  if (mode == kLightNeon) {
    return {modeText, ToUtf8(NeonSpeedText(parameter)), ToUtf8(LightEffectText(kEnglish, image.Field(blockset::kLightEffect)))};
  }
  return {modeText, {}, {}};
}

}  // namespace

std::optional<int> RateHz(uint8_t code) {
  switch (code) {
    case kRate1000Hz: return 1000;
    case kRate500Hz: return 500;
    case kRate250Hz: return 250;
    case kRate125Hz: return 125;
    default: return std::nullopt;
  }
}

// What the memory holds, as the firmware reads it: a stage is on when bit 7 of its code is
// clear, and the stages that are on take the packed colours in order. (The window decodes
// only what it could have written; a dump shows the memory as it is.)
UiRecord StageRecordOf(const ConfigImage& image) {
  UiRecord record;
  size_t packed = blockset::kStageColours;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    const bool on = (image.Field(blockset::kStageCodes + static_cast<size_t>(stage - 1)) & kDpiDisabledBit) == 0;
    record.StageEnabled(stage) = on ? 1 : 0;
    if (!on) continue;
    for (uint8_t& channel : record.StageColour(stage)) channel = image.Field(packed++);
  }
  return record;
}

MouseView ViewOf(const ConfigImage& image) {
  MouseView view;
  view.rateCode = image.bytes[ConfigImage::kStatusRate];
  view.rateHz = RateHz(view.rateCode);
  view.dpiTable = image.DpiSelector();
  const UiRecord record = StageRecordOf(image);
  for (int stage = 1; stage <= kStageCount; ++stage) {
    StageView& shown = view.stages[static_cast<size_t>(stage - 1)];
    const uint8_t code = image.Field(blockset::kStageCodes + static_cast<size_t>(stage - 1));
    static_cast<DpiView&>(shown) = ViewOfDpi(view.dpiTable, code);
    shown.on = record.StageEnabled(stage) == 1;
    if (shown.on) {
      const auto rgb = record.StageColour(stage);
      shown.colour = std::array<uint8_t, 3>{rgb[0], rgb[1], rgb[2]};
    }
  }
  view.snipe = ViewOfDpi(view.dpiTable, image.Field(blockset::kSnipeDpiCode));
  view.fireMakeTime = image.Field(blockset::kFireMakeTime);
  view.fireBreakTime = image.Field(blockset::kFireBreakTime);
  view.light = ViewOfLight(image);
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kSentKeyCount; ++key) view.keys.push_back(ViewOfKey(image, mode, key));
  }
  return view;
}

}  // namespace qv::cli
