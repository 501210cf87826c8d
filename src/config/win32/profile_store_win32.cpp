#include "config/win32/profile_store_win32.h"

#include <shlwapi.h>

#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "config/win32/replace_file_win32.h"
#include "config/win32/save_hold_win32.h"

namespace qv::win {

void CreateUnicodeFileIfMissing(std::u16string_view file) {
  const std::wstring path = Wide(file);
  if (PathFileExistsW(path.c_str())) return;
  // CREATE_NEW: a file that appeared meanwhile is left alone.
  const UniqueFileHandle handle(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return;
  static constexpr BYTE kByteOrderMark[] = {0xFF, 0xFE};
  DWORD written = 0;
  WriteFile(handle.get(), kByteOrderMark, sizeof kByteOrderMark, &written, nullptr);
}

std::u16string Win32ProfileStore::Get(std::u16string_view file, std::u16string_view section,
                                      std::u16string_view key) {
  wchar_t buffer[kProfileBufferChars] = {};
  GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"", buffer,
                           static_cast<DWORD>(kProfileBufferChars), Wide(file).c_str());
  return U16(std::wstring_view(buffer));  // cut at the first zero
}

void Win32ProfileStore::Put(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                            std::u16string_view value) {
  CreateUnicodeFileIfMissing(file);
  WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(), Wide(file).c_str());
}

void Win32ProfileStore::PutAll(std::u16string_view file, std::u16string_view section,
                               std::span<const ProfileEntry> entries) {
  CreateUnicodeFileIfMissing(file);
  const bool replaced = ReplaceAtomically(file, u"profile", [&](const std::u16string& copy) {
    if (!CopyFileW(Wide(file).c_str(), W(copy), FALSE)) return false;
    SavePoint(u"profile: copy made");
    for (const ProfileEntry& entry : entries) {
      WritePrivateProfileStringW(Wide(section).c_str(), Wide(entry.key).c_str(), Wide(entry.value).c_str(), W(copy));
    }
    return true;
  });
  if (!replaced) ProfileStore::PutAll(file, section, entries);
}

}  // namespace qv::win
