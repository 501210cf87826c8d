#pragma once
// config.bin and the profiles on a real disk.
#include "config/local_files.h"

namespace qv::win {

class Win32FileSystem final : public FileSystem {
 public:
  bool Exists(std::u16string_view path) override;
  std::optional<std::vector<uint8_t>> Read(std::u16string_view path, size_t maxSize) override;
  bool Replace(std::u16string_view path, std::span<const uint8_t> content) override;
  bool Create(std::u16string_view path, std::span<const uint8_t> content) override;
  bool Remove(std::u16string_view path) override;
  std::optional<std::vector<std::u16string>> FileNames(std::u16string_view folder) override;
  bool Rename(std::u16string_view from, std::u16string_view to) override;
  bool MakeFolder(std::u16string_view folder) override;
  uint32_t LastError() override { return lastError_; }
  std::u16string LastErrorText() override;

 private:
  bool Fail();
  uint32_t lastError_ = 0;
};

}  // namespace qv::win
