#include "common/paths.h"

namespace qv {
namespace {

constexpr std::u16string_view kSeparators = u"\\/";

constexpr std::u16string_view kTrimmedByWindows = u". ";

}  // namespace

bool IsNameInsideFolder(std::u16string_view name) {
  for (char16_t c : name) {
    if (c < 0x20 || c == u':' || kSeparators.find(c) != std::u16string_view::npos) return false;
  }
  return name.empty() || name.find_first_not_of(kTrimmedByWindows) != std::u16string_view::npos;
}

std::u16string_view DirectoryOf(std::u16string_view path) {
  const size_t separator = path.find_last_of(kSeparators);
  return separator == std::u16string_view::npos ? std::u16string_view() : path.substr(0, separator);
}

std::u16string_view FileNameOf(std::u16string_view path) {
  const size_t separator = path.find_last_of(kSeparators);
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
  if (folder.empty()) return std::u16string(name);
  std::u16string path(folder);
  if (kSeparators.find(path.back()) == std::u16string_view::npos) {
    path += folder.find(u'\\') != std::u16string_view::npos ? u'\\' : u'/';
  }
  return path + std::u16string(name);
}

std::u16string_view StemOf(std::u16string_view fileName) {
  const size_t dot = fileName.find_last_of(u'.');
  return dot == std::u16string_view::npos ? fileName : fileName.substr(0, dot);
}

}  // namespace qv
