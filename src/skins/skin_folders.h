#pragma once
// The skin folders beside the program: each sub-folder of "Skins" is one skin, named by its
// folder name. The listing is a platform service; the core decides what counts as a skin.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::skins {

struct FolderEntry {
  std::u16string name;
  bool directory = false;
};

// The entries of one folder in the order the file system returns them ("." and ".."
// included where the system lists them); none when the folder does not exist.
class FolderListing {
 public:
  virtual ~FolderListing() = default;
  virtual std::vector<FolderEntry> Entries(std::u16string_view folder) = 0;
};

// The folder searched for skins: the program directory followed directly by "/Skins".
std::u16string SkinsRoot(std::u16string_view programDirectory);

// The names of the skin folders of `root`, in listing order: directories only, and only
// names that keep a skin path inside the Skins folder ("." and ".." never do).
std::vector<std::u16string> SkinFolderNames(FolderListing& listing, std::u16string_view root);

// The full path of the first skin folder whose name equals `name` without regard to the
// case of ASCII letters; none when no folder matches.
std::optional<std::u16string> FindSkinFolder(FolderListing& listing, std::u16string_view root,
                                             std::u16string_view name);

}  // namespace qv::skins
