#pragma once
// Scrambling of the protocol's 8-byte units: byte 0 travels clear, bytes 1..7 are read as
// one 56-bit big-endian number X and turned with the fixed key K:
//   scramble:   X = ROR56(ROL56(X, 2) ^ K, 3)
//   unscramble: X = ROR56(ROL56(X, 3) ^ K, 2)
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace qv {

inline constexpr size_t kUnitSize = 8;
inline constexpr std::array<uint8_t, 7> kScrambleKey{0x5C, 0x1E, 0x93, 0xD4, 0x27, 0x68, 0xE1};

using Unit = std::span<uint8_t, kUnitSize>;

// Bytes 1..7 of a unit as a 56-bit number (byte 1 most significant) and back.
uint64_t LoadUnitValue(std::span<const uint8_t, kUnitSize> unit);
void StoreUnitValue(Unit unit, uint64_t value);

// Rotations within 56 bits; `count` is taken modulo 56.
uint64_t RotateLeft56(uint64_t value, unsigned count);
uint64_t RotateRight56(uint64_t value, unsigned count);

// Change bytes 1..7 of the unit in place; byte 0 is untouched.
void ScrambleGroup(Unit unit);
void UnscrambleGroup(Unit unit);

}  // namespace qv
