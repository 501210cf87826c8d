#pragma once
// The files beside the executable: their paths and config.bin (a first-run byte and the
// UI state record). config.bin is installed with the program and never created here.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform.h"
#include "model/app_state.h"
#include "model/config_image.h"

namespace qv {

inline constexpr std::u16string_view kExeName = u"QV318_Driver.exe";
inline constexpr size_t kConfigFileSize = 1 + kRecordSize;  // 200
inline constexpr std::u16string_view kConfigMissingText = u"Config file is not exist.";

// Replaces every "QV318_Driver.exe" in path (exact, left to right) and answers the count.
int ReplaceExeName(std::u16string& path, std::u16string_view replacement);

struct LocalPaths {
  std::u16string module;
  // Beside the executable, whatever its name; both empty for a path without a folder.
  std::u16string configFile;
  std::u16string settingsFile;
  // The executable's folder with its last separator.
  std::u16string skinBase;
};

LocalPaths DeriveLocalPaths(std::u16string_view modulePath);

// The few file operations config.bin needs.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(std::u16string_view path) = 0;
  // The whole content when the file opens for reading and is at most maxSize bytes long.
  virtual std::optional<std::vector<uint8_t>> Read(std::u16string_view path, size_t maxSize) = 0;
  // Writes content to a new file beside path and puts it in path's place in one step (a
  // missing path is made). False when path is not writable or a step failed (LastError
  // tells why); path is then left as it was.
  virtual bool Replace(std::u16string_view path, std::span<const uint8_t> content) = 0;
  // Writes a small file straight, made or overwritten, for a mark whose presence is what
  // counts; Remove deletes it (true also when it was never there).
  virtual bool Create(std::u16string_view path, std::span<const uint8_t> content) = 0;
  virtual bool Remove(std::u16string_view path) = 0;
  // The names of the files (not folders) in folder; nothing when it cannot be listed.
  virtual std::optional<std::vector<std::u16string>> FileNames(std::u16string_view folder) = 0;
  // Renames a file, replacing one at `to` (callers check first: a name that differs only in
  // letter case is the same file on Windows).
  virtual bool Rename(std::u16string_view from, std::u16string_view to) = 0;
  // Makes the folder and any missing parents; true when it is there.
  virtual bool MakeFolder(std::u16string_view folder) = 0;
  // The system error code of the last failed operation.
  virtual uint32_t LastError() = 0;
  // The same in the system's words, for the user.
  virtual std::u16string LastErrorText();
};

// The 200 bytes of config.bin.
std::array<uint8_t, kConfigFileSize> ConfigFileContent(uint8_t firstRun, const UiRecord& record);

enum class ConfigLoad { Loaded, Missing, Ignored };
// Loads config.bin into state.record and state.firstRun. Missing: the message has been
// shown. Ignored: unreadable or not 200 bytes, nothing loaded and nothing said.
ConfigLoad LoadConfigFile(FileSystem& files, MessageBoxes& messages, const LocalPaths& paths, AppState& state);

enum class ConfigSave { Saved, Missing, NotWritable };
// Saves first-run byte 1 and the record. Missing shows its message; NotWritable is said by
// the caller, which knows whether the mouse took the settings (files.LastErrorText() says
// why).
ConfigSave SaveConfigFile(FileSystem& files, MessageBoxes& messages, const LocalPaths& paths, const UiRecord& record);

}  // namespace qv
