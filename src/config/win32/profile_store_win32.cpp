#include "config/win32/profile_store_win32.h"

#include <shlwapi.h>

#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "config/settings_file.h"
#include "config/win32/file_system_win32.h"
#include "config/win32/replace_file_win32.h"
#include "config/win32/save_hold_win32.h"

namespace qv::win {
namespace {

constexpr size_t kLargestSettingsFile = 1 << 20;

std::u16string FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), units);
  return U16(text);
}

// What the copy starts from: the file converted to UTF-16, or the defaults when it is missing.
std::optional<std::vector<uint8_t>> StartingContent(std::u16string_view file) {
  if (!PathFileExistsW(Wide(file).c_str())) return Utf16LeWithBom(DefaultSettingsText());
  Win32FileSystem files;
  const std::optional<std::vector<uint8_t>> content = files.Read(file, kLargestSettingsFile);
  if (!content) return std::nullopt;
  return SettingsFileAsUtf16(*content, FromAnsi);
}

bool WriteNewFile(const std::u16string& path, std::span<const uint8_t> content) {
  const UniqueFileHandle handle(CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  const auto size = static_cast<DWORD>(content.size());
  return handle && WriteFile(handle.get(), content.data(), size, &written, nullptr) && written == size;
}

// Windows refuses to replace a read-only file; Wine run as root would not, so the
// attribute is checked first.
bool ReadOnly(std::u16string_view file) {
  const DWORD attributes = GetFileAttributesW(Wide(file).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

std::u16string Win32ProfileStore::Get(std::u16string_view file, std::u16string_view section,
                                      std::u16string_view key) {
  wchar_t buffer[kProfileBufferChars] = {};
  GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"", buffer,
                           static_cast<DWORD>(kProfileBufferChars), Wide(file).c_str());
  return U16(std::wstring_view(buffer));  // cut at the first zero
}

void Win32ProfileStore::Put(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                            std::u16string_view value) {
  const ProfileEntry entry{std::u16string(key), std::u16string(value)};
  PutAll(file, section, {&entry, 1});
}

bool Win32ProfileStore::PutAll(std::u16string_view file, std::u16string_view section,
                               std::span<const ProfileEntry> entries) {
  lastError_ = 0;
  if (ReadOnly(file)) {
    lastError_ = ERROR_ACCESS_DENIED;
    return false;
  }
  const bool replaced = ReplaceAtomically(file, u"profile", [&](const std::u16string& copy) {
    const std::optional<std::vector<uint8_t>> start = StartingContent(file);
    if (!start || !WriteNewFile(copy, *start)) return false;
    SavePoint(u"profile: copy made");
    for (const ProfileEntry& entry : entries) {
      if (!WritePrivateProfileStringW(Wide(section).c_str(), Wide(entry.key).c_str(), Wide(entry.value).c_str(),
                                      W(copy))) {
        return false;
      }
    }
    return true;
  });
  if (!replaced) lastError_ = GetLastError();
  return replaced;
}

std::u16string Win32ProfileStore::LastErrorText() { return SystemErrorText(lastError_); }

}  // namespace qv::win
