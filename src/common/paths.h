#pragma once
// Splitting Windows paths; both separators count, as the file functions accept both.
#include <string>
#include <string_view>

namespace qv {

// The folder part without its last separator; empty for a bare file name.
std::u16string_view DirectoryOf(std::u16string_view path);
// What follows the last separator.
std::u16string_view FileNameOf(std::u16string_view path);
// name inside folder, joined with the separator the folder's path already uses ("/" when it
// has none); name alone for an empty folder.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);
// A file name without its last extension.
std::u16string_view StemOf(std::u16string_view fileName);

// True when name, appended to a folder, names something inside that folder: no separator,
// drive or stream colon, control character, and not a name made only of dots and blanks
// (Windows trims trailing dots and blanks, so "..." and ". ." mean "..").
bool IsNameInsideFolder(std::u16string_view name);

}  // namespace qv
