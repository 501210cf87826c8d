#pragma once
// The configuration image (the mouse's configuration memory as the protocol moves it) and
// the UI state record (the user's edits, stored as bytes 1..199 of config.bin). Both are
// plain byte layouts: fields are named offsets, never compiler packing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace qv {

inline constexpr size_t kBlockSize = 64;
inline constexpr size_t kBlockCount = 5;
inline constexpr size_t kBlockSetSize = kBlockSize * kBlockCount;  // 320
inline constexpr size_t kStatusSize = 2;
inline constexpr size_t kImageSize = kStatusSize + kBlockSetSize;  // 322
inline constexpr size_t kRecordSize = 199;

// The two key configurations; the value is the record's "shown mode" byte.
enum class KeyMode : uint8_t { A = 0, B = 1 };
inline constexpr int kKeysPerMode = 8;  // the record keeps eight keys, four are offered
inline constexpr int kStageCount = 4;
inline constexpr uint8_t kKnownDpiTables = 4;  // block-set byte 193: 0..3

// Report-rate codes of status byte 0 and record byte 5.
inline constexpr uint8_t kRate1000Hz = 1;
inline constexpr uint8_t kRate500Hz = 2;
inline constexpr uint8_t kRate250Hz = 4;
inline constexpr uint8_t kRate125Hz = 8;

// Lighting modes of record byte 27 and block-set byte 202.
inline constexpr uint8_t kLightOff = 0;
inline constexpr uint8_t kLightStandard = 1;
inline constexpr uint8_t kLightNeon = 2;
inline constexpr uint8_t kNeonRgbEffect = 1;
inline constexpr uint8_t kNeonRgbFlash = 2;

// Offsets in the 320-byte block set (image byte = kStatusSize + offset).
namespace blockset {

// Block n (1..5) starts at 64 * (n - 1); the fields below are pinned to their block.
constexpr size_t InBlock(size_t block, size_t offset) { return kBlockSize * (block - 1) + offset; }

inline constexpr size_t kModeAKeyTable = 128;  // 16 slots of (code, type)
inline constexpr size_t kModeBKeyTable = 160;
inline constexpr size_t kKeySlotCount = 16;
inline constexpr size_t kDpiSelector = 193;        // 0..3, chosen by the mouse, read only
inline constexpr size_t kEnabledStageCount = 198;  // 0..4
inline constexpr size_t kLightEffect = 199;
inline constexpr size_t kNeonFlash250 = 200;  // 250 only for Neon with RGB Flash
inline constexpr size_t kNeonFlash2 = 201;    // 2 only for Neon with RGB Flash
inline constexpr size_t kLightMode = 202;
inline constexpr size_t kLightParameter = 203;  // brightness 0..9 or Neon period 0..29
inline constexpr size_t kStandard2 = 204;       // 2 only for Standard
inline constexpr size_t kFireMakeTime = 206;
inline constexpr size_t kFireBreakTime = 207;
inline constexpr size_t kSnipeDpiCode = 215;
inline constexpr size_t kStageCodes = 216;  // stage 1..4; bit 7 set = disabled
inline constexpr size_t kConsumerTable = 224;  // 16 little-endian consumer usages
inline constexpr size_t kConsumerEntries = 16;
inline constexpr size_t kStageColours = 280;  // packed RGB triples of the enabled stages
inline constexpr size_t kStageColoursSize = 24;
inline constexpr size_t kHotKeyTable = 304;  // 8 entries of (modifier usage, key usage)
inline constexpr size_t kHotKeyEntries = 8;

static_assert(kModeAKeyTable == InBlock(3, 0) && kModeBKeyTable == InBlock(3, 32));
static_assert(kModeBKeyTable == kModeAKeyTable + 2 * kKeySlotCount);
static_assert(kDpiSelector == InBlock(4, 1) && kEnabledStageCount == InBlock(4, 6));
static_assert(kLightEffect == InBlock(4, 7) && kLightMode == InBlock(4, 10));
static_assert(kStandard2 == InBlock(4, 12) && kFireMakeTime == InBlock(4, 14));
static_assert(kSnipeDpiCode == InBlock(4, 23) && kStageCodes == InBlock(4, 24));
static_assert(kConsumerTable == InBlock(4, 32) && kConsumerTable + 2 * kConsumerEntries == InBlock(5, 0));
static_assert(kStageColours == InBlock(5, 24) && kStageColours + kStageColoursSize == kHotKeyTable);
static_assert(kHotKeyTable == InBlock(5, 48) && kHotKeyTable + 2 * kHotKeyEntries == kBlockSetSize);

}  // namespace blockset

struct ConfigImage {
  std::array<uint8_t, kImageSize> bytes{};

  static constexpr size_t kStatusRate = 0;   // report-rate code 1, 2, 4, 8
  static constexpr size_t kStatusStage = 1;  // active DPI stage, never interpreted

  uint8_t& StatusRate() { return bytes[kStatusRate]; }
  uint8_t& StatusStage() { return bytes[kStatusStage]; }
  std::span<uint8_t, kBlockSetSize> BlockSet() {
    return std::span<uint8_t, kBlockSetSize>(bytes.data() + kStatusSize, kBlockSetSize);
  }
  std::span<const uint8_t, kBlockSetSize> BlockSet() const {
    return std::span<const uint8_t, kBlockSetSize>(bytes.data() + kStatusSize, kBlockSetSize);
  }
  // Block n (1..5) of the block set.
  std::span<uint8_t, kBlockSize> Block(size_t n) {
    return std::span<uint8_t, kBlockSize>(bytes.data() + kStatusSize + kBlockSize * (n - 1), kBlockSize);
  }
  // One byte of the block set, by its blockset:: offset.
  uint8_t& Field(size_t offset) { return bytes[kStatusSize + offset]; }
  uint8_t Field(size_t offset) const { return bytes[kStatusSize + offset]; }
  // The DPI table the program uses: block-set byte 193 when it names one of the four
  // tables, else the first, which is what the page shows for any other value; erased or
  // foreign memory must not make the reader, the page and Apply each take another table.
  uint8_t DpiSelector() const {
    const uint8_t selector = Field(blockset::kDpiSelector);
    return selector < kKnownDpiTables ? selector : 0;
  }
  // Slot 0..15 of a mode's key table: byte 0 code, byte 1 type.
  std::span<uint8_t, 2> KeySlot(KeyMode mode, size_t slot) {
    return std::span<uint8_t, 2>(bytes.data() + KeySlotOffset(mode, slot), 2);
  }
  std::span<const uint8_t, 2> KeySlot(KeyMode mode, size_t slot) const {
    return std::span<const uint8_t, 2>(bytes.data() + KeySlotOffset(mode, slot), 2);
  }
  void Clear() { bytes.fill(0); }

 private:
  static constexpr size_t KeySlotOffset(KeyMode mode, size_t slot) {
    const size_t table = mode == KeyMode::A ? blockset::kModeAKeyTable : blockset::kModeBKeyTable;
    return kStatusSize + table + 2 * slot;
  }
};
static_assert(sizeof(ConfigImage) == kImageSize);

// Offsets in the 199-byte UI state record. The per-key fields are 16 bytes each: keys 1..8
// of Mode A, then keys 1..8 of Mode B.
namespace uirec {

inline constexpr size_t kReportRate = 5;
inline constexpr size_t kDpiIndex = 7;       // stage 1..4: position in the selector's table
inline constexpr size_t kStageEnabled = 11;  // stage 1..4: 1 enabled, 0 disabled
inline constexpr size_t kStageColour = 15;   // stage 1..4: red, green, blue
inline constexpr size_t kLightMode = 27;
inline constexpr size_t kBrightness = 28;      // Standard, 0..9
inline constexpr size_t kNeonPeriod = 30;      // Neon, 0..29
inline constexpr size_t kStandardEffect = 31;  // shown only, never sent
inline constexpr size_t kNeonEffect = 33;      // 1 RGB Effect, 2 RGB Flash
inline constexpr size_t kShownMode = 35;       // KeyMode
inline constexpr size_t kFireMakeTime = 36;
inline constexpr size_t kFireBreakTime = 37;
inline constexpr size_t kSnipeDpiCode = 38;
inline constexpr size_t kFunctionType = 39;
inline constexpr size_t kMediaIndex = 55;
inline constexpr size_t kWindowsIndex = 71;
inline constexpr size_t kHotKeyIndex = 87;
inline constexpr size_t kSingleKeyUsage = 103;
inline constexpr size_t kSnipeIndex = 119;
inline constexpr size_t kFireTargetIndex = 135;
inline constexpr size_t kFireTargetCode = 151;
inline constexpr size_t kFireTimes = 167;
inline constexpr size_t kDpiSubFunction = 183;
inline constexpr size_t kPerKeyFieldSize = 2 * kKeysPerMode;

static_assert(kDpiIndex + kStageCount == kStageEnabled && kStageEnabled + kStageCount == kStageColour);
static_assert(kStageColour + 3 * kStageCount == kLightMode);
static_assert(kMediaIndex == kFunctionType + kPerKeyFieldSize && kWindowsIndex == kMediaIndex + kPerKeyFieldSize);
static_assert(kHotKeyIndex == kWindowsIndex + kPerKeyFieldSize && kSingleKeyUsage == kHotKeyIndex + kPerKeyFieldSize);
static_assert(kSnipeIndex == kSingleKeyUsage + kPerKeyFieldSize && kFireTargetIndex == kSnipeIndex + kPerKeyFieldSize);
static_assert(kFireTargetCode == kFireTargetIndex + kPerKeyFieldSize && kFireTimes == kFireTargetCode + kPerKeyFieldSize);
static_assert(kDpiSubFunction == kFireTimes + kPerKeyFieldSize && kDpiSubFunction + kPerKeyFieldSize == kRecordSize);

}  // namespace uirec

struct UiRecord {
  std::array<uint8_t, kRecordSize> bytes{};

  uint8_t& operator[](size_t offset) { return bytes[offset]; }
  uint8_t operator[](size_t offset) const { return bytes[offset]; }

  // A per-key field (uirec::kFunctionType ... kDpiSubFunction) of key 1..8 of a mode.
  static constexpr size_t KeyOffset(size_t field, KeyMode mode, int key) {
    return field + static_cast<size_t>(mode) * kKeysPerMode + static_cast<size_t>(key - 1);
  }
  uint8_t& Key(size_t field, KeyMode mode, int key) { return bytes[KeyOffset(field, mode, key)]; }
  uint8_t Key(size_t field, KeyMode mode, int key) const { return bytes[KeyOffset(field, mode, key)]; }

  // Stage 1..4 fields.
  uint8_t& DpiIndex(int stage) { return bytes[uirec::kDpiIndex + static_cast<size_t>(stage - 1)]; }
  uint8_t DpiIndex(int stage) const { return bytes[uirec::kDpiIndex + static_cast<size_t>(stage - 1)]; }
  uint8_t& StageEnabled(int stage) { return bytes[uirec::kStageEnabled + static_cast<size_t>(stage - 1)]; }
  uint8_t StageEnabled(int stage) const { return bytes[uirec::kStageEnabled + static_cast<size_t>(stage - 1)]; }
  std::span<uint8_t, 3> StageColour(int stage) {
    return std::span<uint8_t, 3>(bytes.data() + uirec::kStageColour + 3 * static_cast<size_t>(stage - 1), 3);
  }
  std::span<const uint8_t, 3> StageColour(int stage) const {
    return std::span<const uint8_t, 3>(bytes.data() + uirec::kStageColour + 3 * static_cast<size_t>(stage - 1), 3);
  }
  KeyMode ShownMode() const { return bytes[uirec::kShownMode] == 0 ? KeyMode::A : KeyMode::B; }

  friend bool operator==(const UiRecord&, const UiRecord&) = default;
};
static_assert(sizeof(UiRecord) == kRecordSize);
static_assert(UiRecord::KeyOffset(uirec::kFunctionType, KeyMode::B, 1) == 47);
static_assert(UiRecord::KeyOffset(uirec::kDpiSubFunction, KeyMode::B, 8) == kRecordSize - 1);

}  // namespace qv
