#include "skins/skin_folders.h"

#include <algorithm>

#include "common/paths.h"

namespace qv::skins {
namespace {

char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool SameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return AsciiLower(x) == AsciiLower(y); });
}

bool IsSkin(const FolderEntry& entry) {
  return entry.directory && !entry.name.empty() && IsNameInsideFolder(entry.name);
}

}  // namespace

std::u16string SkinsRoot(std::u16string_view programDirectory) {
  return std::u16string(programDirectory) + u"/Skins";
}

std::vector<std::u16string> SkinFolderNames(FolderListing& listing, std::u16string_view root) {
  std::vector<std::u16string> names;
  for (const FolderEntry& entry : listing.Entries(root)) {
    if (IsSkin(entry)) names.push_back(entry.name);
  }
  return names;
}

std::optional<std::u16string> FindSkinFolder(FolderListing& listing, std::u16string_view root,
                                             std::u16string_view name) {
  for (const FolderEntry& entry : listing.Entries(root)) {
    if (IsSkin(entry) && SameIgnoringAsciiCase(entry.name, name)) return std::u16string(root) + u"/" + entry.name;
  }
  return std::nullopt;
}

}  // namespace qv::skins
