#pragma once
// A fresh folder under the system's temporary folder, removed with its files afterwards.
#include <windows.h>

#include <string>
#include <vector>

#include "common/win32/wide.h"

namespace qv::win {

class TempDir {
 public:
  TempDir() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = U16(base) + u"qvcfg-" + U16(std::to_wstring(GetCurrentProcessId())) + u"-" +
            U16(std::to_wstring(++counter));
    CreateDirectoryW(W(path_), nullptr);
  }
  ~TempDir() {
    WIN32_FIND_DATAW found;
    const std::wstring pattern = Wide(path_) + L"\\*";
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring file = Wide(path_) + L"\\" + found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
          SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(file.c_str());
        }
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(W(path_));
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::u16string File(std::u16string_view name) const { return path_ + u"\\" + std::u16string(name); }
  std::u16string Exe() const { return File(u"QV318_Driver.exe"); }

 private:
  std::u16string path_;
};

inline bool FileExists(const std::u16string& path) { return GetFileAttributesW(W(path)) != INVALID_FILE_ATTRIBUTES; }

inline std::vector<uint8_t> FileBytes(const std::u16string& path) {
  std::vector<uint8_t> bytes;
  HANDLE file = CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  uint8_t buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.insert(bytes.end(), buffer, buffer + read);
  CloseHandle(file);
  return bytes;
}

inline void WriteBytes(const std::u16string& path, const std::vector<uint8_t>& bytes) {
  HANDLE file = CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace qv::win
