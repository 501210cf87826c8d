#include "config/win32/replace_file_win32.h"

#include <windows.h>

#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "config/win32/save_hold_win32.h"

namespace qv::win {
namespace {

bool DropReplacement(const std::u16string& replacement) {
  const DWORD error = GetLastError();
  DeleteFileW(W(replacement));
  SetLastError(error);
  return false;
}

void Point(std::u16string_view who, std::u16string_view what) { SavePoint(std::u16string(who) + u": " + std::u16string(what)); }

}  // namespace

bool FlushToDisk(const std::u16string& path) {
  const UniqueFileHandle file(CreateFileW(W(path), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && FlushFileBuffers(file.get());
}

std::u16string ReplacementPath(std::u16string_view path) { return std::u16string(path) + u".new"; }

bool ReplaceAtomically(std::u16string_view target, std::u16string_view who,
                 const std::function<bool(const std::u16string& replacement)>& write) {
  const std::u16string replacement = ReplacementPath(target);
  if (!write(replacement)) return DropReplacement(replacement);
  Point(who, u"new file written and closed");
  // Moved into place while its content may still sit in the system's cache, the file
  // could be empty after a power cut.
  if (!FlushToDisk(replacement)) return DropReplacement(replacement);
  Point(who, u"new file flushed, not moved");
  if (!MoveFileExW(W(replacement), Wide(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return DropReplacement(replacement);
  }
  Point(who, u"moved into place");
  return true;
}

}  // namespace qv::win
