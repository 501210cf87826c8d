#pragma once
// Splitting Windows paths; both separators count, as the file functions accept both.
#include <string_view>

namespace qv {

// The folder part without its last separator; empty for a bare file name.
std::u16string_view DirectoryOf(std::u16string_view path);
// What follows the last separator.
std::u16string_view FileNameOf(std::u16string_view path);
// A file name without its last extension.
std::u16string_view StemOf(std::u16string_view fileName);

}  // namespace qv
