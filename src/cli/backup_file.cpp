#include "cli/backup_file.h"

#include <algorithm>

#include "common/bytes.h"

namespace qv::cli {

uint32_t Crc32(std::span<const uint8_t> bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (uint8_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::vector<uint8_t> BackupContent(const ConfigImage& image) {
  std::vector<uint8_t> content(kBackupSize, 0);
  std::copy(kBackupMagic.begin(), kBackupMagic.end(), content.begin() + kBackupMagicOffset);
  StoreLE16(content, kBackupVersionOffset, kBackupVersion);
  StoreLE16(content, kBackupLengthOffset, static_cast<uint16_t>(kImageSize));
  StoreLE32(content, kBackupCrcOffset, Crc32(image.bytes));
  std::copy(image.bytes.begin(), image.bytes.end(), content.begin() + kBackupHeaderSize);
  return content;
}

std::variant<ConfigImage, std::string> ParseBackup(std::span<const uint8_t> content) {
  if (content.size() < kBackupHeaderSize ||
      !std::equal(kBackupMagic.begin(), kBackupMagic.end(), content.begin() + kBackupMagicOffset)) {
    return std::string("is not a qv318ctl backup");
  }
  if (LoadLE16(content, kBackupVersionOffset) != kBackupVersion ||
      LoadLE16(content, kBackupLengthOffset) != kImageSize) {
    return std::string("is a backup of another version or another mouse");
  }
  if (content.size() != kBackupSize) return std::string("is truncated or has bytes added");
  const auto memory = content.subspan(kBackupHeaderSize);
  if (Crc32(memory) != LoadLE32(content, kBackupCrcOffset)) return std::string("is damaged (its checksum does not match)");
  ConfigImage image;
  std::copy(memory.begin(), memory.end(), image.bytes.begin());
  return image;
}

}  // namespace qv::cli
