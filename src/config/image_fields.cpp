#include "config/image_fields.h"

#include <algorithm>

#include "common/bytes.h"
#include "model/dpi_tables.h"
#include "keyassign/key_codes.h"

namespace qv {
namespace {

constexpr uint8_t kStandardEffect = 1;
constexpr uint8_t kStandardValue2 = 2;
constexpr uint8_t kFlashValue250 = 250;
constexpr uint8_t kFlashValue2 = 2;

void WriteKey(const UiRecord& record, KeyMode mode, int key, ConfigImage& image) {
  const std::optional<size_t> slot = KeyTableSlot(mode, key);
  if (!slot) return;
  const KeyCode code = EncodeKeyAssignment(record, mode, key);
  std::span<uint8_t, 2> bytes = image.KeySlot(mode, *slot);
  bytes[0] = code.code;
  bytes[1] = code.type;
}

}  // namespace

void WriteFixedTables(ConfigImage& image) {
  std::span<uint8_t> blocks = image.BlockSet();
  for (size_t i = 0; i < kConsumerUsages.size(); ++i) {
    StoreLE16(blocks, blockset::kConsumerTable + 2 * i, kConsumerUsages[i]);
  }
  for (size_t i = 0; i < kHotKeys.size(); ++i) {
    blocks[blockset::kHotKeyTable + 2 * i] = kHotKeys[i].modifier;
    blocks[blockset::kHotKeyTable + 2 * i + 1] = kHotKeys[i].key;
  }
}

void WriteLighting(const UiRecord& record, ConfigImage& image) {
  const uint8_t mode = record[uirec::kLightMode];
  image.Field(blockset::kLightMode) = mode;
  if (mode == kLightStandard) {
    image.Field(blockset::kStandard2) = kStandardValue2;
    image.Field(blockset::kLightEffect) = kStandardEffect;
    image.Field(blockset::kLightParameter) = record[uirec::kBrightness];
  } else if (mode == kLightNeon) {
    image.Field(blockset::kLightParameter) = record[uirec::kNeonPeriod];
    const uint8_t effect = record[uirec::kNeonEffect];
    if (effect == kNeonRgbEffect) {
      image.Field(blockset::kLightEffect) = kNeonRgbEffect;
    } else if (effect == kNeonRgbFlash) {
      image.Field(blockset::kLightEffect) = kNeonRgbFlash;
      image.Field(blockset::kNeonFlash250) = kFlashValue250;
      image.Field(blockset::kNeonFlash2) = kFlashValue2;
    }
  }
}

bool StageCounts(const UiRecord& record, int stage) { return record.StageEnabled(stage) == 1; }

void PackStageColours(const UiRecord& record, ConfigImage& image) {
  std::span<uint8_t> colours = image.BlockSet().subspan(blockset::kStageColours, blockset::kStageColoursSize);
  std::fill(colours.begin(), colours.end(), uint8_t{0});
  auto out = colours.begin();
  for (int stage = 1; stage <= kStageCount; ++stage) {
    if (!StageCounts(record, stage)) continue;
    const std::span<const uint8_t, 3> rgb = record.StageColour(stage);
    out = std::copy(rgb.begin(), rgb.end(), out);
  }
}

void WriteEnabledStageCount(const UiRecord& record, ConfigImage& image) {
  uint8_t count = 0;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    if (StageCounts(record, stage)) ++count;
  }
  image.Field(blockset::kEnabledStageCount) = count;
}

void WriteStageCodes(const UiRecord& record, int dpiSelector, ConfigImage& image) {
  for (int stage = 1; stage <= kStageCount; ++stage) {
    const bool enabled = record.StageEnabled(stage) != 0;
    image.Field(blockset::kStageCodes + static_cast<size_t>(stage - 1)) =
        DpiCode(dpiSelector, record.DpiIndex(stage), enabled);
  }
}

void WriteKeyTables(const UiRecord& record, ConfigImage& image) {
  for (int key = 1; key <= kSentKeyCount; ++key) {
    WriteKey(record, KeyMode::A, key, image);
    WriteKey(record, KeyMode::B, key, image);
  }
}

}  // namespace qv
