#pragma once
// Explicit little-endian access for byte layouts that go to disk or to the mouse.
#include <cstddef>
#include <cstdint>
#include <span>

namespace qv {

inline uint16_t LoadLE16(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline void StoreLE16(std::span<uint8_t> bytes, size_t offset, uint16_t value) {
  bytes[offset] = static_cast<uint8_t>(value & 0xFF);
  bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

inline uint32_t LoadLE32(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint32_t>(LoadLE16(bytes, offset)) | (static_cast<uint32_t>(LoadLE16(bytes, offset + 2)) << 16);
}

inline void StoreLE32(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
  StoreLE16(bytes, offset, static_cast<uint16_t>(value & 0xFFFF));
  StoreLE16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

}  // namespace qv
