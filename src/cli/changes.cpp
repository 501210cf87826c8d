#include "cli/changes.h"

#include "cli/mouse_view.h"
#include "config/image_fields.h"
#include "model/dpi_tables.h"

namespace qv::cli {
namespace {

constexpr std::array<uint8_t, 3> kWhite = {0xFF, 0xFF, 0xFF};

uint8_t& StageCode(ConfigImage& image, int stage) {
  return image.Field(blockset::kStageCodes + static_cast<size_t>(stage - 1));
}

std::string DpiValuesText(int selector) {
  std::string values;
  for (int index = 0; index < DpiLevelCount(selector); ++index) {
    values += (index == 0 ? "" : ", ") + std::to_string(DpiValue(selector, index));
  }
  return values;
}

std::optional<std::string> SetStageDpi(const Change& change, ConfigImage& image) {
  const int selector = image.DpiSelector();
  if (selector >= kDpiSelectorCount) {
    return "the mouse reports DPI table " + std::to_string(selector) + ", which this program does not know.";
  }
  for (int index = 0; index < DpiLevelCount(selector); ++index) {
    if (DpiValue(selector, index) != change.dpi) continue;
    uint8_t& code = StageCode(image, change.stage);
    code = DpiCode(selector, index, (code & kDpiDisabledBit) == 0);
    return std::nullopt;
  }
  return std::to_string(change.dpi) + " DPI is not in the mouse's DPI table (" + DpiValuesText(selector) + ").";
}

int EnabledStages(const UiRecord& record) {
  int count = 0;
  for (int stage = 1; stage <= kStageCount; ++stage) count += record.StageEnabled(stage) == 1 ? 1 : 0;
  return count;
}

// Colours are packed for the stages that are on, so a switch repacks them all.
std::optional<std::string> SetStageSwitch(const Change& change, ConfigImage& image) {
  UiRecord record = StageRecordOf(image);
  const bool wasOn = record.StageEnabled(change.stage) == 1;
  if (wasOn && !change.on && EnabledStages(record) == 1) {
    return "stage " + std::to_string(change.stage) +
           " is the only stage on and one stage must always stay on; nothing was written.";
  }
  record.StageEnabled(change.stage) = change.on ? 1 : 0;
  if (change.on && !wasOn) std::copy(kWhite.begin(), kWhite.end(), record.StageColour(change.stage).begin());
  uint8_t& code = StageCode(image, change.stage);
  code = change.on ? static_cast<uint8_t>(code & ~kDpiDisabledBit) : static_cast<uint8_t>(code | kDpiDisabledBit);
  PackStageColours(record, image);
  WriteEnabledStageCount(record, image);
  return std::nullopt;
}

std::optional<std::string> SetStageColour(const Change& change, ConfigImage& image) {
  UiRecord record = StageRecordOf(image);
  if (record.StageEnabled(change.stage) != 1) {
    return "stage " + std::to_string(change.stage) + " is off and the mouse keeps no colour for it; switch it on first.";
  }
  std::copy(change.colour.begin(), change.colour.end(), record.StageColour(change.stage).begin());
  PackStageColours(record, image);
  return std::nullopt;
}

std::optional<std::string> SetLight(const Change& change, ConfigImage& image) {
  UiRecord record;
  record[uirec::kLightMode] = change.lightMode;
  record[uirec::kBrightness] = change.lightParameter;
  record[uirec::kNeonPeriod] = change.lightParameter;
  const uint8_t current = image.Field(blockset::kLightEffect);
  const bool neonEffect = current == kNeonRgbEffect || current == kNeonRgbFlash;
  record[uirec::kNeonEffect] = change.neonEffect.value_or(neonEffect ? current : kNeonRgbEffect);
  WriteLighting(record, image);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ApplyChange(const Change& change, ConfigImage& image) {
  switch (change.field) {
    case Change::Field::Rate: image.StatusRate() = change.rateCode; return std::nullopt;
    case Change::Field::StageDpi: return SetStageDpi(change, image);
    case Change::Field::StageSwitch: return SetStageSwitch(change, image);
    case Change::Field::StageColour: return SetStageColour(change, image);
    case Change::Field::Light: return SetLight(change, image);
  }
  return std::nullopt;
}

}  // namespace qv::cli
