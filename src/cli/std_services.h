#pragma once
// The platform services the command line needs, from the C++ library alone so that the
// Windows and the Linux program share them: files, the real pause and the simulated
// mouse's memory file.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "common/platform.h"
#include "config/local_files.h"
#include "device/hid_bus.h"
#include "device/sim_store.h"

namespace qv::cli {

std::filesystem::path PathOf(std::u16string_view path);

// LastError() holds an errno value, also on Windows, where the C++ library sets errno too.
class StdFileSystem final : public FileSystem {
 public:
  bool Exists(std::u16string_view path) override;
  std::optional<std::vector<uint8_t>> Read(std::u16string_view path, size_t maxSize) override;
  bool Replace(std::u16string_view path, std::span<const uint8_t> content) override;
  bool Create(std::u16string_view path, std::span<const uint8_t> content) override { return Replace(path, content); }
  bool Remove(std::u16string_view path) override;
  std::optional<std::vector<std::u16string>> FileNames(std::u16string_view folder) override;
  bool Rename(std::u16string_view from, std::u16string_view to) override;
  bool MakeFolder(std::u16string_view folder) override;
  uint32_t LastError() override { return lastError_; }
  std::u16string LastErrorText() override;

 private:
  std::nullopt_t Failed(int error);

  uint32_t lastError_ = 0;
};

// Flushes a written, closed file from the system's cache to the disk; false with errno set.
// The platform's own call: cli/linux/ (fsync) and cli/win32/ (FlushFileBuffers).
bool FlushToDisk(const std::filesystem::path& file);

class SleepPause final : public Pause {
 public:
  void Sleep(uint32_t milliseconds) override;
};

// The system's words for an errno value of StdFileSystem, such as "No such file or directory".
std::string ErrorText(uint32_t error);

// Nothing when `name` may hold the simulated mouse's memory: a 322-byte file, or none yet in
// an existing folder (the mouse then starts from its default memory). Otherwise the sentence
// saying why it is refused, since the mouse would overwrite it.
std::optional<std::string> RefusedSimFile(const std::string& name);

// The simulated mouse over a memory file; its transfers are not logged. A change it cannot
// save in the file is a report the mouse did not take: the write fails there, and
// SaveFailure() says why, so nothing reports a write that did not happen.
class FileSimMouse : public HidBus {
 public:
  virtual std::optional<std::string> SaveFailure() const = 0;
};
std::unique_ptr<FileSimMouse> CreateFileSimMouse(std::u16string path);

}  // namespace qv::cli
