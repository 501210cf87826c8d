#include "config/unfinished_write.h"

#include <string_view>

#include "common/paths.h"
#include "common/text.h"

namespace qv {
namespace {

// For whoever finds the file beside the program.
constexpr std::string_view kMarkText =
    "The last write of QV318 Driver to the mouse did not finish. The program finishes it at the next Apply.\r\n";
constexpr size_t kLargestMark = 4096;

}  // namespace

std::u16string UnfinishedWriteFile(const LocalPaths& paths) {
  if (paths.configFile.empty()) return {};
  const std::u16string_view folder = DirectoryOf(paths.configFile);
  return std::u16string(folder) + (folder.empty() ? u"" : u"\\") + std::u16string(kUnfinishedWriteName);
}

std::optional<std::u16string> ReadUnfinishedWrite(FileSystem& files, const LocalPaths& paths) {
  const std::u16string mark = UnfinishedWriteFile(paths);
  if (mark.empty() || !files.Exists(mark)) return std::nullopt;
  const auto content = files.Read(mark, kLargestMark);
  if (!content) return std::u16string();  // marked all the same, for whichever mouse comes
  const std::string text(content->begin(), content->end());
  // The explanation, then the mouse's name on a line of its own.
  const size_t start = text.find("\r\n");
  if (start == std::string::npos) return std::u16string();
  const size_t end = text.find("\r\n", start + 2);
  return FromUtf8(text.substr(start + 2, end == std::string::npos ? std::string::npos : end - start - 2));
}

bool RecordUnfinishedWrite(FileSystem& files, const LocalPaths& paths, bool unfinished, std::u16string_view mouse) {
  const std::u16string mark = UnfinishedWriteFile(paths);
  if (mark.empty()) return false;
  if (!unfinished) return files.Remove(mark);
  const std::string text = std::string(kMarkText) + ToUtf8(mouse) + "\r\n";
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  return files.Create(mark, std::span<const uint8_t>(bytes, text.size()));
}

bool MaybeSameMouse(std::u16string_view a, std::u16string_view b) { return a.empty() || b.empty() || a == b; }

}  // namespace qv
