#pragma once
// Whether the last write to the mouse was cut short. The mouse may then hold part of the
// settings and part of the earlier ones; config.bin holds what the write was to leave. The
// mark is a small file beside config.bin, so that it outlives the process: whichever mouse
// is read next, at a plug or at the next start, the page shows config.bin's settings and the
// user is told that one Apply finishes the write. config.bin and str.ini keep their format.
#include <optional>
#include <string>
#include <string_view>

#include "config/local_files.h"

namespace qv {

inline constexpr std::u16string_view kUnfinishedWriteName = u"config.unfinished";

// The mark's path: beside config.bin; empty when there is no config.bin path.
std::u16string UnfinishedWriteFile(const LocalPaths& paths);

// The mark, when there is one: the name of the mouse the write went to (AppState::openMouse),
// empty when that was not known.
std::optional<std::u16string> ReadUnfinishedWrite(FileSystem& files, const LocalPaths& paths);

// Sets the mark for that mouse, or clears it. False when the file could not be written or
// removed.
bool RecordUnfinishedWrite(FileSystem& files, const LocalPaths& paths, bool unfinished,
                           std::u16string_view mouse = {});

// Whether two mouse names may be the same mouse: equal, or one of them unknown.
bool MaybeSameMouse(std::u16string_view a, std::u16string_view b);

}  // namespace qv
