#pragma once
// str.ini through GetPrivateProfileStringW and WritePrivateProfileStringW.
#include "config/settings.h"

namespace qv::win {

class Win32ProfileStore final : public ProfileStore {
 public:
  std::u16string Get(std::u16string_view file, std::u16string_view section, std::u16string_view key) override;
  // A missing file is first created as UTF-16LE with a byte-order mark: the profile
  // functions would otherwise create it in the ANSI code page and lose Chinese names.
  void Put(std::u16string_view file, std::u16string_view section, std::u16string_view key,
           std::u16string_view value) override;
  // The profile functions rewrite the file in place at every key: the keys go into a copy
  // beside it, which then takes its place in one step. Falls back to Put key by key when
  // the copy cannot be made or moved.
  void PutAll(std::u16string_view file, std::u16string_view section, std::span<const ProfileEntry> entries) override;
};

// Creates an empty UTF-16LE file (just the byte-order mark) unless the file exists.
void CreateUnicodeFileIfMissing(std::u16string_view file);

}  // namespace qv::win
