#include "device/scramble.h"

namespace qv {
namespace {

constexpr uint64_t kMask56 = (uint64_t{1} << 56) - 1;

constexpr uint64_t KeyValue() {
  uint64_t value = 0;
  for (uint8_t byte : kScrambleKey) value = (value << 8) | byte;
  return value;
}

}  // namespace

uint64_t LoadUnitValue(std::span<const uint8_t, kUnitSize> unit) {
  uint64_t value = 0;
  for (size_t i = 1; i < kUnitSize; ++i) value = (value << 8) | unit[i];
  return value;
}

void StoreUnitValue(Unit unit, uint64_t value) {
  for (size_t i = kUnitSize - 1; i >= 1; --i) {
    unit[i] = static_cast<uint8_t>(value & 0xFF);
    value >>= 8;
  }
}

uint64_t RotateLeft56(uint64_t value, unsigned count) {
  count %= 56;
  value &= kMask56;
  if (count == 0) return value;
  return ((value << count) | (value >> (56 - count))) & kMask56;
}

uint64_t RotateRight56(uint64_t value, unsigned count) { return RotateLeft56(value, (56 - count % 56) % 56); }

void ScrambleGroup(Unit unit) {
  StoreUnitValue(unit, RotateRight56(RotateLeft56(LoadUnitValue(unit), 2) ^ KeyValue(), 3));
}

void UnscrambleGroup(Unit unit) {
  StoreUnitValue(unit, RotateRight56(RotateLeft56(LoadUnitValue(unit), 3) ^ KeyValue(), 2));
}

}  // namespace qv
