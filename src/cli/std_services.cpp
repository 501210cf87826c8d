#include "cli/std_services.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>

#include "device/sim_mouse.h"

namespace qv::cli {
namespace {

class FileSimStore final : public SimMouseStore {
 public:
  explicit FileSimStore(std::u16string path) : path_(std::move(path)) {}
  std::optional<std::vector<uint8_t>> LoadMemory() override { return files_.Read(path_, SIZE_MAX); }
  void SaveMemory(std::span<const uint8_t> memory) override { files_.Replace(path_, memory); }
  void AppendLog(std::string_view) override {}

 private:
  std::u16string path_;
  StdFileSystem files_;
};

}  // namespace

std::filesystem::path PathOf(std::u16string_view path) { return std::filesystem::path(std::u16string(path)); }

bool StdFileSystem::Exists(std::u16string_view path) {
  std::error_code error;
  return std::filesystem::exists(PathOf(path), error);
}

std::optional<std::vector<uint8_t>> StdFileSystem::Read(std::u16string_view path, size_t maxSize) {
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) {
    lastError_ = static_cast<uint32_t>(errno);
    return std::nullopt;
  }
  std::vector<uint8_t> content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (content.size() > maxSize) return std::nullopt;
  return content;
}

bool StdFileSystem::Replace(std::u16string_view path, std::span<const uint8_t> content) {
  const std::filesystem::path target = PathOf(path);
  std::filesystem::path temporary = target;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
    if (!out.flush()) {
      lastError_ = static_cast<uint32_t>(errno);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  lastError_ = static_cast<uint32_t>(error.value());
  if (error) std::filesystem::remove(temporary, error);
  return lastError_ == 0;
}

void SleepPause::Sleep(uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::unique_ptr<HidBus> CreateFileSimMouse(std::u16string path) {
  return std::make_unique<SimMouse>(std::make_unique<FileSimStore>(std::move(path)));
}

}  // namespace qv::cli
