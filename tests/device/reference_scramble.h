#pragma once
// An independent, bit-by-bit model of the unit scrambling for checking wire bytes: the 56
// bits of bytes 1..7 as a row of bits, most significant first, rotated by moving bits.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace qv::test {

using Bits = std::array<int, 56>;

inline Bits ToBits(std::span<const uint8_t> unit) {
  Bits bits{};
  for (int i = 0; i < 56; ++i) bits[i] = (unit[1 + i / 8] >> (7 - i % 8)) & 1;
  return bits;
}

inline Bits Rol(const Bits& bits, int n) {
  Bits out{};
  for (int i = 0; i < 56; ++i) out[i] = bits[(i + n) % 56];
  return out;
}

inline Bits Ror(const Bits& bits, int n) { return Rol(bits, 56 - n); }

inline Bits XorKey(Bits bits) {
  const uint8_t key[7] = {0x5C, 0x1E, 0x93, 0xD4, 0x27, 0x68, 0xE1};
  for (int i = 0; i < 56; ++i) bits[i] ^= (key[i / 8] >> (7 - i % 8)) & 1;
  return bits;
}

inline std::vector<uint8_t> ReferenceScrambleUnit(std::span<const uint8_t> unit) {
  const Bits bits = Ror(XorKey(Rol(ToBits(unit), 2)), 3);
  std::vector<uint8_t> out(8, 0);
  out[0] = unit[0];
  for (int i = 0; i < 56; ++i) out[1 + i / 8] = static_cast<uint8_t>(out[1 + i / 8] | (bits[i] << (7 - i % 8)));
  return out;
}

// Scrambles every 8-byte unit that starts at `first` + 8k of a report.
inline std::vector<uint8_t> ReferenceScramble(std::span<const uint8_t> report, size_t first) {
  std::vector<uint8_t> out(report.begin(), report.end());
  for (size_t at = first; at + 8 <= out.size(); at += 8) {
    const std::vector<uint8_t> unit = ReferenceScrambleUnit(std::span<const uint8_t>(out.data() + at, 8));
    std::copy(unit.begin(), unit.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
  }
  return out;
}

}  // namespace qv::test
