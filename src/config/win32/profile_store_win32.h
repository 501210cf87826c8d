#pragma once
// str.ini through GetPrivateProfileStringW and WritePrivateProfileStringW.
#include "config/settings.h"

namespace qv::win {

class Win32ProfileStore final : public ProfileStore {
 public:
  std::u16string Get(std::u16string_view file, std::u16string_view section, std::u16string_view key) override;
  void Put(std::u16string_view file, std::u16string_view section, std::u16string_view key,
           std::u16string_view value) override;
  // The profile functions rewrite the file in place at every key: the keys go into a copy
  // beside it, which then takes its place in one step. The copy is UTF-16LE with a
  // byte-order mark (the profile functions write other files in the ANSI code page and
  // Chinese captions become "??"): the file's own contents converted, or the defaults when
  // there is no file yet. Any failed step leaves the file as it was.
  bool PutAll(std::u16string_view file, std::u16string_view section, std::span<const ProfileEntry> entries) override;
  std::u16string LastErrorText() override;

 private:
  uint32_t lastError_ = 0;
};

}  // namespace qv::win
