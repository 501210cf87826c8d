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
  void Clear() { bytes.fill(0); }
};
static_assert(sizeof(ConfigImage) == kImageSize);

struct UiRecord {
  std::array<uint8_t, kRecordSize> bytes{};
};
static_assert(sizeof(UiRecord) == kRecordSize);

}  // namespace qv
