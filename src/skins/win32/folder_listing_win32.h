#pragma once
// The entries of a folder through FindFirstFileW and FindNextFileW.
#include "skins/skin_folders.h"

namespace qv::win {

class Win32FolderListing final : public skins::FolderListing {
 public:
  std::vector<skins::FolderEntry> Entries(std::u16string_view folder) override;
};

}  // namespace qv::win
