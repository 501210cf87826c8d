#include "config/mouse_settings.h"

#include <optional>

#include "keyassign/key_codes.h"
#include "keyassign/key_decode.h"
#include "model/dpi_tables.h"

namespace qv {
namespace {

constexpr uint8_t kBrightnessLevels = 10;  // 0..9
constexpr uint8_t kNeonPeriods = 30;       // 0..29

std::optional<uint8_t> DpiIndexOf(int selector, uint8_t code) {
  const int index = DpiIndexOfCode(selector, code);
  if (index < 0) return std::nullopt;
  return static_cast<uint8_t>(index);
}

void DecodeRate(const ConfigImage& image, UiRecord& record) {
  const uint8_t rate = image.bytes[ConfigImage::kStatusRate];
  if (rate == kRate1000Hz || rate == kRate500Hz || rate == kRate250Hz || rate == kRate125Hz) {
    record[uirec::kReportRate] = rate;
  }
}

// The mouse packs the colours of the stages that are on, in stage order.
void DecodeStages(const ConfigImage& image, int selector, UiRecord& record) {
  size_t packed = blockset::kStageColours;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    const uint8_t code = image.Field(blockset::kStageCodes + static_cast<size_t>(stage - 1));
    const bool on = (code & kDpiDisabledBit) == 0;
    record.StageEnabled(stage) = on ? 1 : 0;
    if (const auto index = DpiIndexOf(selector, code)) record.DpiIndex(stage) = *index;
    if (!on) continue;
    for (uint8_t& channel : record.StageColour(stage)) channel = image.Field(packed++);
  }
}

void DecodeLighting(const ConfigImage& image, UiRecord& record) {
  const uint8_t mode = image.Field(blockset::kLightMode);
  if (mode > kLightNeon) return;
  record[uirec::kLightMode] = mode;
  const uint8_t parameter = image.Field(blockset::kLightParameter);
  if (mode == kLightStandard && parameter < kBrightnessLevels) record[uirec::kBrightness] = parameter;
  if (mode != kLightNeon) return;
  if (parameter < kNeonPeriods) record[uirec::kNeonPeriod] = parameter;
  const uint8_t effect = image.Field(blockset::kLightEffect);
  if (effect == kNeonRgbEffect || effect == kNeonRgbFlash) record[uirec::kNeonEffect] = effect;
}

// The per-key field that carries a function's parameter; none for functions without one.
std::optional<size_t> ParameterField(KeyFunctionType type) {
  switch (type) {
    case KeyFunctionType::DpiSwitch: return uirec::kDpiSubFunction;
    case KeyFunctionType::Windows: return uirec::kWindowsIndex;
    case KeyFunctionType::Multimedia: return uirec::kMediaIndex;
    case KeyFunctionType::HotKey: return uirec::kHotKeyIndex;
    case KeyFunctionType::SingleKey: return uirec::kSingleKeyUsage;
    default: return std::nullopt;
  }
}

void DecodeKey(const ConfigImage& image, KeyMode mode, int key, int selector, UiRecord& record) {
  const std::span<const uint8_t, 2> slot = image.KeySlot(mode, *KeyTableSlot(mode, key));
  const std::optional<DecodedKey> decoded = DecodeKeyAssignment(KeyCode{slot[0], slot[1]});
  if (!decoded) return;
  if (decoded->type == KeyFunctionType::SnipeKey) {
    // The snipe DPI is one code for every snipe key; a code outside the table cannot be shown.
    const auto index = DpiIndexOf(selector, image.Field(blockset::kSnipeDpiCode));
    if (!index) return;
    record.Key(uirec::kSnipeIndex, mode, key) = *index;
  }
  if (decoded->type == KeyFunctionType::FireKey) {
    record.Key(uirec::kFireTargetCode, mode, key) = decoded->parameter;
    record.Key(uirec::kFireTargetIndex, mode, key) = static_cast<uint8_t>(FireTargetIndexOfCode(decoded->parameter));
    record.Key(uirec::kFireTimes, mode, key) = decoded->fireTimes;
  }
  if (const auto field = ParameterField(decoded->type)) record.Key(*field, mode, key) = decoded->parameter;
  record.Key(uirec::kFunctionType, mode, key) = static_cast<uint8_t>(decoded->type);
}

// The fields of a key that an assignment writes.
constexpr size_t kAssignmentFields[] = {uirec::kFunctionType, uirec::kMediaIndex,      uirec::kWindowsIndex,
                                        uirec::kHotKeyIndex,  uirec::kSingleKeyUsage,  uirec::kSnipeIndex,
                                        uirec::kFireTargetIndex, uirec::kFireTimes,    uirec::kDpiSubFunction};

bool AssignmentChanged(const UiRecord& before, const UiRecord& after, KeyMode mode, int key) {
  for (size_t field : kAssignmentFields) {
    if (before.Key(field, mode, key) != after.Key(field, mode, key)) return true;
  }
  return false;
}

}  // namespace

void DecodeMouseSettings(const ConfigImage& image, int dpiSelector, UiRecord& record) {
  DecodeRate(image, record);
  DecodeStages(image, dpiSelector, record);
  DecodeLighting(image, record);
  if (DpiIndexOf(dpiSelector, image.Field(blockset::kSnipeDpiCode))) {
    record[uirec::kSnipeDpiCode] = image.Field(blockset::kSnipeDpiCode);
  }
  record[uirec::kFireMakeTime] = image.Field(blockset::kFireMakeTime);
  record[uirec::kFireBreakTime] = image.Field(blockset::kFireBreakTime);
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kSentKeyCount; ++key) DecodeKey(image, mode, key, dpiSelector, record);
  }
}

bool TakeMouseSettings(AppState& state, KeyNames& names) {
  if (!state.imageComplete) return false;
  const UiRecord before = state.record;
  DecodeMouseSettings(state.image, state.dpiSelector, state.record);
  state.savedCopy = state.record;
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kSentKeyCount; ++key) {
      if (AssignmentChanged(before, state.record, mode, key)) names[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)].clear();
    }
  }
  return true;
}

}  // namespace qv
