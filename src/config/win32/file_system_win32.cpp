#include "config/win32/file_system_win32.h"

#include <shlwapi.h>

#include "common/paths.h"
#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "config/win32/replace_file_win32.h"
#include "config/win32/save_hold_win32.h"

namespace qv::win {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

UniqueFileHandle Open(std::u16string_view path, DWORD access, DWORD disposition) {
  return UniqueFileHandle(CreateFileW(Wide(path).c_str(), access, kShareAll, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Windows refuses to open a read-only file for writing; Wine run as root would not, so the
// attribute is checked first.
bool Writable(std::u16string_view path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return static_cast<bool>(Open(path, GENERIC_WRITE, OPEN_EXISTING));
}

bool WriteAll(HANDLE file, std::span<const uint8_t> content) {
  DWORD written = 0;
  const auto size = static_cast<DWORD>(content.size());
  return WriteFile(file, content.data(), size, &written, nullptr) && written == size;
}

}  // namespace

bool Win32FileSystem::Fail() {
  lastError_ = GetLastError();
  return false;
}

std::u16string Win32FileSystem::LastErrorText() { return SystemErrorText(lastError_); }

bool Win32FileSystem::Exists(std::u16string_view path) { return PathFileExistsW(Wide(path).c_str()) != FALSE; }

std::optional<std::vector<uint8_t>> Win32FileSystem::Read(std::u16string_view path, size_t maxSize) {
  const UniqueFileHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) {
    Fail();
    return std::nullopt;
  }
  if (size.QuadPart < 0 || static_cast<uint64_t>(size.QuadPart) > maxSize) return std::nullopt;
  std::vector<uint8_t> content(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr)) {
    Fail();
    return std::nullopt;
  }
  content.resize(read);
  return content;
}

bool Win32FileSystem::Replace(std::u16string_view path, std::span<const uint8_t> content) {
  SavePoint(u"replace: start");
  // A file we may not write (read-only, locked) keeps its content and reports why.
  if (!Writable(path)) return Fail();
  const bool replaced = ReplaceAtomically(path, u"replace", [&](const std::u16string& fresh) {
    const UniqueFileHandle file = Open(fresh, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) return false;
    SavePoint(u"replace: new file created, empty");
    return WriteAll(file.get(), content);
  });
  return replaced || Fail();
}

bool Win32FileSystem::Create(std::u16string_view path, std::span<const uint8_t> content) {
  const UniqueFileHandle file = Open(path, GENERIC_WRITE, CREATE_ALWAYS);
  if (!file || !WriteAll(file.get(), content)) return Fail();
  return FlushFileBuffers(file.get()) || Fail();
}

bool Win32FileSystem::Remove(std::u16string_view path) {
  if (DeleteFileW(Wide(path).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) return true;
  return Fail();
}

std::optional<std::vector<std::u16string>> Win32FileSystem::FileNames(std::u16string_view folder) {
  WIN32_FIND_DATAW found{};
  const UniqueFind find(FindFirstFileExW(Wide(std::u16string(folder) + u"\\*").c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0));
  if (!find) {
    Fail();
    return std::nullopt;
  }
  std::vector<std::u16string> names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(U16(found.cFileName));
  } while (FindNextFileW(find.get(), &found));
  return names;
}

bool Win32FileSystem::Rename(std::u16string_view from, std::u16string_view to) {
  return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING) || Fail();
}

// A folder that is there already is taken as it is, even where it may not be made (a drive's
// root); otherwise its parents are made first.
bool Win32FileSystem::MakeFolder(std::u16string_view folder) {
  const DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    SetLastError(ERROR_ALREADY_EXISTS);
    return Fail();
  }
  const std::u16string_view parent = DirectoryOf(folder);
  if (!parent.empty() && parent.size() < folder.size() && !MakeFolder(parent)) return false;
  return CreateDirectoryW(Wide(folder).c_str(), nullptr) || Fail();
}

}  // namespace qv::win
