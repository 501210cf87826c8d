#include "config/record_rules.h"

#include <functional>
#include <vector>

#include "config/defaults.h"
#include "keyassign/key_codes.h"
#include "model/dpi_tables.h"

namespace qv {
namespace {

constexpr uint8_t kBrightnessLevels = 10;  // 0..9
constexpr uint8_t kNeonPeriods = 30;       // 0..29
constexpr uint8_t kShortestFireTime = 5;   // the fire key dialog's range, 5..255
constexpr uint8_t kMostShots = 127;        // the fire key dialog's "Times", 0..127
constexpr int kMostDpiLevels = 12;
constexpr int kMediaFunctions = 7;
constexpr int kWindowsFunctions = 9;

struct Rule {
  std::string field;
  std::function<bool(const UiRecord&)> holds;
  std::vector<size_t> offsets;  // what the rule's group takes from the fallback
};

bool OneOf(uint8_t value, std::initializer_list<uint8_t> allowed) {
  for (uint8_t a : allowed) {
    if (a == value) return true;
  }
  return false;
}

int LevelsOf(int selector) { return selector == kAnyDpiTable ? kMostDpiLevels : DpiLevelCount(selector); }

bool SnipeCodeFits(uint8_t code, int selector) {
  if ((code & kDpiDisabledBit) != 0) return false;
  if (selector != kAnyDpiTable) return DpiIndexOfCode(selector, code) >= 0;
  for (int table = 0; table < kDpiSelectorCount; ++table) {
    if (DpiIndexOfCode(table, code) >= 0) return true;
  }
  return false;
}

std::string ModeName(KeyMode mode) { return mode == KeyMode::A ? "Mode A" : "Mode B"; }

KeyFunctionType TypeOf(const UiRecord& r, KeyMode mode, int key) {
  return static_cast<KeyFunctionType>(r.Key(uirec::kFunctionType, mode, key));
}

// The function and the parameter the window stores with it.
bool KeyHolds(const UiRecord& r, KeyMode mode, int key, int selector) {
  const uint8_t type = r.Key(uirec::kFunctionType, mode, key);
  if (type >= kKeyFunctionTypeCount) return false;
  const auto p = [&](size_t field) { return r.Key(field, mode, key); };
  switch (static_cast<KeyFunctionType>(type)) {
    case KeyFunctionType::DpiSwitch: return OneOf(p(uirec::kDpiSubFunction), {kDpiUp, kDpiDown, kDpiLoop});
    case KeyFunctionType::Windows: return p(uirec::kWindowsIndex) < kWindowsFunctions;
    case KeyFunctionType::Multimedia: return p(uirec::kMediaIndex) < kMediaFunctions;
    case KeyFunctionType::HotKey: return p(uirec::kHotKeyIndex) < kHotKeys.size();
    case KeyFunctionType::SingleKey: return p(uirec::kSingleKeyUsage) != 0;
    case KeyFunctionType::SnipeKey: return p(uirec::kSnipeIndex) < LevelsOf(selector);
    case KeyFunctionType::FireKey:
      return p(uirec::kFireTargetIndex) < kFireTargetCount &&
             p(uirec::kFireTargetCode) == FireTargetToCode(p(uirec::kFireTargetIndex)) && p(uirec::kFireTimes) <= kMostShots;
    default: return true;
  }
}

constexpr size_t kKeyFields[] = {uirec::kFunctionType,  uirec::kMediaIndex,       uirec::kWindowsIndex,
                                 uirec::kHotKeyIndex,   uirec::kSingleKeyUsage,   uirec::kSnipeIndex,
                                 uirec::kFireTargetIndex, uirec::kFireTargetCode, uirec::kFireTimes,
                                 uirec::kDpiSubFunction};

std::vector<size_t> KeyOffsets(std::initializer_list<KeyMode> modes, int firstKey, int lastKey) {
  std::vector<size_t> offsets;
  for (KeyMode mode : modes) {
    for (int key = firstKey; key <= lastKey; ++key) {
      for (size_t field : kKeyFields) offsets.push_back(UiRecord::KeyOffset(field, mode, key));
    }
  }
  return offsets;
}

std::vector<size_t> Range(size_t first, size_t count) {
  std::vector<size_t> offsets;
  for (size_t i = 0; i < count; ++i) offsets.push_back(first + i);
  return offsets;
}

bool HasLeftClick(const UiRecord& r, KeyMode mode) {
  for (int key = 1; key <= kSentKeyCount; ++key) {
    if (TypeOf(r, mode, key) == KeyFunctionType::LeftClick) return true;
  }
  return false;
}

// Shift is one key, the same in both modes.
bool ShiftIsOneKey(const UiRecord& r) {
  int keysWithShift = 0;
  for (int key = 1; key <= kKeysPerMode; ++key) {
    const bool a = TypeOf(r, KeyMode::A, key) == KeyFunctionType::Shift;
    const bool b = TypeOf(r, KeyMode::B, key) == KeyFunctionType::Shift;
    if (a != b) return false;
    if (a) ++keysWithShift;
  }
  return keysWithShift <= 1;
}

bool SomeStageOn(const UiRecord& r) {
  for (int stage = 1; stage <= kStageCount; ++stage) {
    if (r.StageEnabled(stage) == 1) return true;
  }
  return false;
}

// In order: single fields and keys first, then the rules over several of them, so that a
// group taken from the fallback is judged again as a whole.
std::vector<Rule> Rules(int selector) {
  std::vector<Rule> rules;
  rules.push_back({"report rate",
                   [](const UiRecord& r) {
                     return OneOf(r[uirec::kReportRate], {kRate1000Hz, kRate500Hz, kRate250Hz, kRate125Hz});
                   },
                   {uirec::kReportRate}});
  for (int stage = 1; stage <= kStageCount; ++stage) {
    const std::string name = "stage " + std::to_string(stage);
    rules.push_back({name + " DPI", [=](const UiRecord& r) { return r.DpiIndex(stage) < LevelsOf(selector); },
                     {uirec::kDpiIndex + static_cast<size_t>(stage - 1)}});
    rules.push_back({name + " on/off", [=](const UiRecord& r) { return r.StageEnabled(stage) <= 1; },
                     {uirec::kStageEnabled + static_cast<size_t>(stage - 1)}});
  }
  rules.push_back({"DPI stages (none is on)", SomeStageOn, Range(uirec::kStageEnabled, kStageCount)});
  rules.push_back({"lighting mode", [](const UiRecord& r) { return r[uirec::kLightMode] <= kLightNeon; },
                   {uirec::kLightMode}});
  rules.push_back({"brightness", [](const UiRecord& r) { return r[uirec::kBrightness] < kBrightnessLevels; },
                   {uirec::kBrightness}});
  rules.push_back({"Neon period", [](const UiRecord& r) { return r[uirec::kNeonPeriod] < kNeonPeriods; },
                   {uirec::kNeonPeriod}});
  rules.push_back({"Neon effect",
                   [](const UiRecord& r) { return OneOf(r[uirec::kNeonEffect], {kNeonRgbEffect, kNeonRgbFlash}); },
                   {uirec::kNeonEffect}});
  rules.push_back({"key mode shown", [](const UiRecord& r) { return r[uirec::kShownMode] <= 1; },
                   {uirec::kShownMode}});
  rules.push_back({"fire make time", [](const UiRecord& r) { return r[uirec::kFireMakeTime] >= kShortestFireTime; },
                   {uirec::kFireMakeTime}});
  rules.push_back({"fire break time", [](const UiRecord& r) { return r[uirec::kFireBreakTime] >= kShortestFireTime; },
                   {uirec::kFireBreakTime}});
  rules.push_back({"snipe DPI", [=](const UiRecord& r) { return SnipeCodeFits(r[uirec::kSnipeDpiCode], selector); },
                   {uirec::kSnipeDpiCode}});
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kKeysPerMode; ++key) {
      rules.push_back({ModeName(mode) + " key " + std::to_string(key),
                       [=](const UiRecord& r) { return KeyHolds(r, mode, key, selector); }, KeyOffsets({mode}, key, key)});
    }
  }
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    rules.push_back({ModeName(mode) + " (no key is Left Click)", [=](const UiRecord& r) { return HasLeftClick(r, mode); },
                     KeyOffsets({mode}, 1, kKeysPerMode)});
  }
  rules.push_back({"Shift (not one key in both modes)", ShiftIsOneKey,
                   KeyOffsets({KeyMode::A, KeyMode::B}, 1, kKeysPerMode)});
  return rules;
}

}  // namespace

std::optional<std::string> UnproducibleField(const UiRecord& record, int dpiSelector) {
  for (const Rule& rule : Rules(dpiSelector)) {
    if (!rule.holds(record)) return rule.field;
  }
  return std::nullopt;
}

void KeepProducible(UiRecord& record, const UiRecord& fallback, int dpiSelector) {
  for (const Rule& rule : Rules(dpiSelector)) {
    if (rule.holds(record)) continue;
    for (size_t offset : rule.offsets) record[offset] = fallback[offset];
  }
}

void MakeProducible(UiRecord& record, const UiRecord& here, int dpiSelector) {
  KeepProducible(record, here, dpiSelector);
  KeepProducible(record, DefaultRecord(), dpiSelector);
}

}  // namespace qv
