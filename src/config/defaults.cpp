#include "config/defaults.h"

#include <algorithm>
#include <array>

#include "model/dpi_tables.h"
#include "keyassign/key_codes.h"

namespace qv {
namespace {

constexpr std::array<KeyFunctionType, kKeysPerMode> kDefaultKeys = {
    KeyFunctionType::LeftClick, KeyFunctionType::RightClick, KeyFunctionType::MidClick, KeyFunctionType::DpiSwitch,
    KeyFunctionType::KeyOff,    KeyFunctionType::KeyOff,     KeyFunctionType::KeyOff,   KeyFunctionType::KeyOff,
};

// Every other level: rising in all four tables, and inside the 8-level ones.
constexpr std::array<uint8_t, kStageCount> kDefaultDpiIndexes = {1, 3, 5, 7};

constexpr std::array<std::array<uint8_t, 3>, kStageCount> kDefaultColours = {{
    {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0},
}};

constexpr uint8_t kFullBrightness = 9;
constexpr uint8_t kTwoSeconds = 3;  // Neon period index: (3 + 1) x 0.5 s
constexpr uint8_t kDefaultFireTime = 32;

}  // namespace

void SetDefaultKeyAssignments(UiRecord& record) {
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kKeysPerMode; ++key) {
      record.Key(uirec::kFunctionType, mode, key) = static_cast<uint8_t>(kDefaultKeys[static_cast<size_t>(key - 1)]);
    }
    record.Key(uirec::kDpiSubFunction, mode, 4) = kDpiLoop;
  }
}

UiRecord DefaultRecord() {
  UiRecord record;
  record[uirec::kReportRate] = kRate1000Hz;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    const auto i = static_cast<size_t>(stage - 1);
    record.DpiIndex(stage) = kDefaultDpiIndexes[i];
    record.StageEnabled(stage) = 1;
    std::span<uint8_t, 3> colour = record.StageColour(stage);
    std::copy(kDefaultColours[i].begin(), kDefaultColours[i].end(), colour.begin());
  }
  record[uirec::kLightMode] = kLightStandard;
  record[uirec::kBrightness] = kFullBrightness;
  record[uirec::kStandardEffect] = kNeonRgbEffect;
  record[uirec::kNeonPeriod] = kTwoSeconds;
  record[uirec::kNeonEffect] = kNeonRgbEffect;
  record[uirec::kShownMode] = static_cast<uint8_t>(KeyMode::A);
  record[uirec::kFireMakeTime] = kDefaultFireTime;
  record[uirec::kFireBreakTime] = kDefaultFireTime;
  record[uirec::kSnipeDpiCode] = DpiCode(0, kDefaultDpiIndexes[0], true);
  SetDefaultKeyAssignments(record);
  return record;
}

}  // namespace qv
