#include "device/sim_memory.h"

#include <algorithm>

#include "common/bytes.h"

namespace qv {
namespace {

using namespace blockset;
constexpr size_t kFirmwareBytes = 128;  // blocks 1 and 2 belong to the firmware

struct KeySlot {
  size_t table;
  size_t slot;
  uint8_t code;
  uint8_t type;
};

constexpr KeySlot kKeys[] = {
    {kModeAKeyTable, 0, 0xF0, 0x00}, {kModeAKeyTable, 1, 0xF1, 0x00}, {kModeAKeyTable, 2, 0xF2, 0x00},
    {kModeAKeyTable, 3, 0xF3, 0x00}, {kModeAKeyTable, 4, 0xF4, 0x00}, {kModeAKeyTable, 5, 0x05, 0x03},
    {kModeBKeyTable, 0, 0xF0, 0x00}, {kModeBKeyTable, 1, 0xF1, 0x00}, {kModeBKeyTable, 2, 0xF2, 0x00},
    {kModeBKeyTable, 3, 0xF3, 0x00}, {kModeBKeyTable, 4, 0x05, 0x03}, {kModeBKeyTable, 5, 0xF4, 0x00},
};

constexpr uint16_t kConsumerUsages[16] = {0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA, 0x0183,
                                          0x018A, 0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0227};
constexpr uint8_t kHotKeys[16] = {0xE0, 0x06, 0xE0, 0x1B, 0xE0, 0x19, 0xE0, 0x04,
                                  0xE0, 0x12, 0xE0, 0x11, 0xE0, 0x16, 0xE0, 0x1D};
constexpr uint8_t kStageCodeValues[4] = {0x02, 0x04, 0x08, 0x26};  // 500, 1000, 2000, 3000 DPI
constexpr uint8_t kColours[12] = {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00};

}  // namespace

SimMemory DefaultSimMemory() {
  SimMemory memory{};
  memory[ConfigImage::kStatusRate] = 1;  // 1000 Hz
  memory[ConfigImage::kStatusStage] = 0;
  std::span<uint8_t> set(memory.data() + kStatusSize, kBlockSetSize);
  for (size_t i = 0; i < kFirmwareBytes; ++i) set[i] = static_cast<uint8_t>(i * 37 + 11);
  for (const KeySlot& key : kKeys) {
    set[key.table + 2 * key.slot] = key.code;
    set[key.table + 2 * key.slot + 1] = key.type;
  }
  set[kDpiSelector] = 0;
  set[kEnabledStageCount] = 4;
  set[kLightEffect] = 1;
  set[kLightMode] = 1;       // standard
  set[kLightParameter] = 5;  // 55 % brightness
  set[kStandard2] = 2;
  set[kFireMakeTime] = 10;
  set[kFireBreakTime] = 10;
  set[kSnipeDpiCode] = 0x02;
  std::copy(std::begin(kStageCodeValues), std::end(kStageCodeValues), set.begin() + kStageCodes);
  for (size_t i = 0; i < std::size(kConsumerUsages); ++i) StoreLE16(set, kConsumerTable + 2 * i, kConsumerUsages[i]);
  std::copy(std::begin(kColours), std::end(kColours), set.begin() + kStageColours);
  std::copy(std::begin(kHotKeys), std::end(kHotKeys), set.begin() + kHotKeyTable);
  return memory;
}

std::optional<SimMemory> MemoryFromStored(std::span<const uint8_t> stored) {
  if (stored.size() != kImageSize) return std::nullopt;
  SimMemory memory;
  std::copy(stored.begin(), stored.end(), memory.begin());
  return memory;
}

}  // namespace qv
