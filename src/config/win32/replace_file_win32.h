#pragma once
// The one way a file is replaced whole (config.bin, str.ini), so that a crash or a power cut
// at any moment leaves either the old or the new file: the new content is written into a
// file beside the target, flushed to the disk, and then moved over the target in one step.
#include <functional>
#include <string>
#include <string_view>

namespace qv::win {

// Flushes a written, closed file from the system's cache to the disk.
bool FlushToDisk(const std::u16string& path);

// The file written beside path before it takes path's place.
std::u16string ReplacementPath(std::u16string_view path);

// `write` fills the replacement (created by it, closed when it returns) and answers false
// on failure. The save points passed are named "<who>: ...". False with GetLastError() set
// when any step failed; the target is then untouched and no replacement is left beside it.
bool ReplaceAtomically(std::u16string_view target, std::u16string_view who,
                 const std::function<bool(const std::u16string& replacement)>& write);

}  // namespace qv::win
