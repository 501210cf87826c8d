#pragma once
// The backup file of the mouse's 322-byte memory: a 16-byte header naming the format, its
// version, the memory's length and its CRC-32, then the memory itself.
//
//   0  "QV318MEM"   8 bytes, the format's name
//   8  version      u16 LE, 1
//  10  length       u16 LE, 322
//  12  CRC-32       u32 LE (IEEE 802.3) of the memory
//  16  memory       322 bytes
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "model/config_image.h"

namespace qv::cli {

inline constexpr size_t kBackupMagicOffset = 0;
inline constexpr size_t kBackupVersionOffset = 8;
inline constexpr size_t kBackupLengthOffset = 10;
inline constexpr size_t kBackupCrcOffset = 12;
inline constexpr size_t kBackupHeaderSize = 16;
inline constexpr size_t kBackupSize = kBackupHeaderSize + kImageSize;
inline constexpr std::array<uint8_t, 8> kBackupMagic = {'Q', 'V', '3', '1', '8', 'M', 'E', 'M'};
inline constexpr uint16_t kBackupVersion = 1;
static_assert(kBackupMagicOffset + kBackupMagic.size() == kBackupVersionOffset);
static_assert(kBackupCrcOffset + 4 == kBackupHeaderSize);

uint32_t Crc32(std::span<const uint8_t> bytes);

std::vector<uint8_t> BackupContent(const ConfigImage& image);

// The memory of a backup file, or the sentence saying why the file was refused.
std::variant<ConfigImage, std::string> ParseBackup(std::span<const uint8_t> content);

}  // namespace qv::cli
