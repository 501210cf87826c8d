#include "config/mouse_settings.h"

#include <array>
#include <optional>

#include "config/record_rules.h"
#include "config/unfinished_write.h"
#include "keyassign/key_codes.h"
#include "keyassign/key_decode.h"
#include "model/dpi_tables.h"
#include "model/notice_kinds.h"

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

// The stages decode together or not at all: the mouse packs the colours of the stages that
// are on, in stage order, so one stage code outside the table, or a count of stages on that
// disagrees with the codes, leaves no colour that can be told to its stage.
void DecodeStages(const ConfigImage& image, int selector, UiRecord& record) {
  std::array<int, kStageCount> indexes{};
  uint8_t stagesOn = 0;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    const uint8_t code = image.Field(blockset::kStageCodes + static_cast<size_t>(stage - 1));
    indexes[static_cast<size_t>(stage - 1)] = DpiIndexOfCode(selector, code);
    if (indexes[static_cast<size_t>(stage - 1)] < 0) return;
    if ((code & kDpiDisabledBit) == 0) ++stagesOn;
  }
  if (image.Field(blockset::kEnabledStageCount) != stagesOn) return;
  size_t packed = blockset::kStageColours;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    const bool on = (image.Field(blockset::kStageCodes + static_cast<size_t>(stage - 1)) & kDpiDisabledBit) == 0;
    record.StageEnabled(stage) = on ? 1 : 0;
    record.DpiIndex(stage) = static_cast<uint8_t>(indexes[static_cast<size_t>(stage - 1)]);
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

// Which mode the page shows is the user's view, not a setting the mouse holds.
bool SameSettings(UiRecord a, const UiRecord& b) {
  a[uirec::kShownMode] = b[uirec::kShownMode];
  return a == b;
}

}  // namespace

void DecodeMouseSettings(const ConfigImage& image, int dpiSelector, UiRecord& record) {
  const UiRecord here = record;
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
  // What decoded field by field may still be a whole the window would never write: all
  // stages off, no Left Click, fire times below the dialog's range.
  MakeProducible(record, here, dpiSelector);
}

MouseTaken TakeMouseSettings(AppState& state, KeyNames& names) {
  if (!state.imageComplete) return MouseTaken::NotRead;
  const bool hadEdits = !SameSettings(state.record, state.savedCopy);
  DecodeMouseSettings(state.image, state.dpiSelector, state.savedCopy);
  state.savedCopy[uirec::kShownMode] = state.record[uirec::kShownMode];
  // The write was cut short on this mouse, or on another one (whose settings the record
  // keeps: this one does not hold them either).
  if (state.writeUnfinished && MaybeSameMouse(state.unfinishedMouse, state.openMouse)) {
    return MouseTaken::WriteUnfinished;
  }
  const bool keep = hadEdits || state.writeUnfinished;
  if (keep && !SameSettings(state.record, state.savedCopy)) return MouseTaken::EditsKept;
  const UiRecord before = state.record;
  state.record = state.savedCopy;
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kSentKeyCount; ++key) {
      if (AssignmentChanged(before, state.record, mode, key)) names[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)].clear();
    }
  }
  return MouseTaken::Shown;
}

uint32_t NoticeOfTaken(MouseTaken taken) {
  switch (taken) {
    case MouseTaken::EditsKept: return kNoticeEditsNotOnMouse;
    case MouseTaken::WriteUnfinished: return kNoticeWriteUnfinished;
    case MouseTaken::NotRead: return kNoticeMouseMissing;
    case MouseTaken::Shown: break;
  }
  return kNoticeMouseFound;
}

}  // namespace qv
