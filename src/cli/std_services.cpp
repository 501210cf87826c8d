#include "cli/std_services.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>

#include "common/text.h"
#include "device/sim_mouse.h"

namespace qv::cli {
namespace {

class FileSimStore final : public SimMouseStore {
 public:
  FileSimStore(std::u16string path, std::shared_ptr<std::optional<std::string>> failure)
      : path_(std::move(path)), failure_(std::move(failure)) {}
  std::optional<std::vector<uint8_t>> LoadMemory() override { return files_.Read(path_, SIZE_MAX); }
  void SaveMemory(std::span<const uint8_t> memory) override {
    if (!files_.Replace(path_, memory) && !*failure_) *failure_ = ErrorText(files_.LastError());
  }
  void AppendLog(std::string_view) override {}

 private:
  std::u16string path_;
  StdFileSystem files_;
  std::shared_ptr<std::optional<std::string>> failure_;
};

class FileSimMouseOver final : public FileSimMouse {
 public:
  explicit FileSimMouseOver(std::u16string path)
      : failure_(std::make_shared<std::optional<std::string>>()),
        mouse_(std::make_unique<FileSimStore>(std::move(path), failure_)) {}
  std::optional<std::string> SaveFailure() const override { return *failure_; }

  bool BeginEnumeration() override { return mouse_.BeginEnumeration(); }
  HidInterface EnumerateInterface(uint32_t member) override { return mouse_.EnumerateInterface(member); }
  void EndEnumeration() override { mouse_.EndEnumeration(); }
  HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) override {
    return mouse_.Open(path, access, attributes);
  }
  void Close(HidHandle handle) override { mouse_.Close(handle); }
  bool GetAttributes(HidHandle handle, HidAttributes& attributes) override { return mouse_.GetAttributes(handle, attributes); }
  HidPreparsed GetPreparsedData(HidHandle handle) override { return mouse_.GetPreparsedData(handle); }
  HidCapsStatus GetCaps(HidPreparsed preparsed, HidCaps& caps) override { return mouse_.GetCaps(preparsed, caps); }
  void FreePreparsedData(HidPreparsed preparsed) override { mouse_.FreePreparsedData(preparsed); }
  bool SetFeature(HidHandle handle, std::span<const uint8_t> report) override {
    return !*failure_ && mouse_.SetFeature(handle, report) && !*failure_;
  }
  bool GetFeature(HidHandle handle, std::span<uint8_t> report) override { return mouse_.GetFeature(handle, report); }

 private:
  std::shared_ptr<std::optional<std::string>> failure_;
  SimMouse mouse_;
};

bool WriteWhole(const std::filesystem::path& file, std::span<const uint8_t> content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
  out.close();
  return !out.fail();
}

}  // namespace

std::filesystem::path PathOf(std::u16string_view path) { return std::filesystem::path(std::u16string(path)); }

bool StdFileSystem::Exists(std::u16string_view path) {
  std::error_code error;
  return std::filesystem::exists(PathOf(path), error);
}

std::optional<std::vector<uint8_t>> StdFileSystem::Read(std::u16string_view path, size_t maxSize) {
  std::error_code ignored;
  if (std::filesystem::is_directory(PathOf(path), ignored)) return Failed(EISDIR);
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) return Failed(errno);
  // istream::read turns a failing read (a folder on some systems) into badbit, where an
  // istreambuf_iterator would let the library's exception escape.
  std::vector<uint8_t> content;
  std::array<char, 4096> chunk;
  while (in && content.size() <= maxSize) {
    in.read(chunk.data(), chunk.size());
    content.insert(content.end(), chunk.begin(), chunk.begin() + in.gcount());
  }
  if (in.bad()) return Failed(errno);
  if (content.size() > maxSize) return Failed(EFBIG);
  return content;
}

bool StdFileSystem::Remove(std::u16string_view path) {
  std::error_code error;
  std::filesystem::remove(PathOf(path), error);
  lastError_ = static_cast<uint32_t>(error.value());
  return !error;
}

std::optional<std::vector<std::u16string>> StdFileSystem::FileNames(std::u16string_view folder) {
  std::vector<std::u16string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(PathOf(folder), error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error)) names.push_back(it->path().filename().u16string());
  }
  if (error) return Failed(error.default_error_condition().value());
  return names;
}

bool StdFileSystem::Rename(std::u16string_view from, std::u16string_view to) {
  std::error_code error;
  std::filesystem::rename(PathOf(from), PathOf(to), error);
  lastError_ = static_cast<uint32_t>(error ? error.default_error_condition().value() : 0);
  return !error;
}

bool StdFileSystem::MakeFolder(std::u16string_view folder) {
  std::error_code error;
  std::filesystem::create_directories(PathOf(folder), error);
  if (!error && std::filesystem::is_directory(PathOf(folder), error)) return true;
  lastError_ = static_cast<uint32_t>(error ? error.default_error_condition().value() : ENOTDIR);
  return false;
}

std::u16string StdFileSystem::LastErrorText() { return FromUtf8(ErrorText(lastError_)); }

std::nullopt_t StdFileSystem::Failed(int error) {
  lastError_ = static_cast<uint32_t>(error);
  return std::nullopt;
}

// As the tray program replaces its files: the new content into a file beside the target,
// flushed to the disk, then renamed over the target, so that the old or the new file is
// there whenever the process or the machine stops.
bool StdFileSystem::Replace(std::u16string_view path, std::span<const uint8_t> content) {
  const std::filesystem::path target = PathOf(path);
  std::filesystem::path temporary = target;
  temporary += ".new";
  std::error_code error;
  if (!WriteWhole(temporary, content) || !FlushToDisk(temporary)) {
    lastError_ = static_cast<uint32_t>(errno);
    std::filesystem::remove(temporary, error);
    return false;
  }
  std::filesystem::rename(temporary, target, error);
  lastError_ = static_cast<uint32_t>(error ? error.default_error_condition().value() : 0);
  if (error) std::filesystem::remove(temporary, error);
  return lastError_ == 0;
}

void SleepPause::Sleep(uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::string ErrorText(uint32_t error) { return std::generic_category().message(static_cast<int>(error)); }

std::optional<std::string> RefusedSimFile(const std::string& name) {
  const std::filesystem::path path = PathOf(FromUtf8(name));
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (std::filesystem::is_directory(folder, error)) return std::nullopt;
    return "cannot create " + name + ": its folder does not exist.";
  }
  if (error) return "cannot read " + name + ": " + error.message() + ".";
  if (status.type() == std::filesystem::file_type::directory) {
    return name + " is a folder, not a file for the simulated mouse's memory.";
  }
  if (status.type() != std::filesystem::file_type::regular) {
    return name + " is not a plain file, so it cannot hold the simulated mouse's memory.";
  }
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size != kImageSize) {
    return name + " is " + std::to_string(size) + " bytes long, not the " + std::to_string(kImageSize) +
           " of a simulated mouse's memory, so it is left as it is.";
  }
  StdFileSystem files;
  if (!files.Read(FromUtf8(name), kImageSize)) return "cannot read " + name + ": " + ErrorText(files.LastError()) + ".";
  return std::nullopt;
}

std::unique_ptr<FileSimMouse> CreateFileSimMouse(std::u16string path) {
  return std::make_unique<FileSimMouseOver>(std::move(path));
}

}  // namespace qv::cli
