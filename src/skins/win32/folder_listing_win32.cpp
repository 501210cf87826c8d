#include "skins/win32/folder_listing_win32.h"

#include <windows.h>

#include "common/win32/handles.h"
#include "common/win32/wide.h"

namespace qv::win {

std::vector<skins::FolderEntry> Win32FolderListing::Entries(std::u16string_view folder) {
  std::vector<skins::FolderEntry> entries;
  const std::wstring pattern = Wide(folder) + L"\\*.*";
  WIN32_FIND_DATAW found{};
  UniqueFind search(FindFirstFileW(pattern.c_str(), &found));
  if (!search) return entries;  // no such folder, or nothing in it
  do {
    entries.push_back({U16(found.cFileName), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search.get(), &found));
  return entries;
}

}  // namespace qv::win
