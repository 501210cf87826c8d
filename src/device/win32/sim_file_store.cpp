#include "device/win32/sim_file_store.h"

#include <windows.h>

#include "common/paths.h"
#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "device/sim_mouse.h"
#include "model/config_image.h"

namespace qv::win {
namespace {

// A stored memory of another length is of no use, so reading stops one byte past it.
constexpr DWORD kReadLimit = static_cast<DWORD>(kImageSize + 1);

uint64_t FileTimeValue(const FILETIME& time) {
  return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

uint64_t NowFileTime() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return FileTimeValue(now);
}

bool WriteAll(HANDLE file, const void* data, size_t size) {
  DWORD written = 0;
  return WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool WriteWhole(const std::u16string& path, std::span<const uint8_t> memory) {
  const UniqueFileHandle file(CreateFileW(W(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && WriteAll(file.get(), memory.data(), memory.size());
}

}  // namespace

SimFileStore::SimFileStore(std::u16string directory)
    : memoryPath_(directory + u"\\" + std::u16string(kSimMemoryFile)),
      logPath_(directory + u"\\" + std::u16string(kSimLogFile)) {}

std::optional<std::vector<uint8_t>> SimFileStore::LoadMemory() {
  const UniqueFileHandle file(CreateFileW(W(memoryPath_), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes(kReadLimit);
  DWORD total = 0;
  DWORD read = 0;
  while (total < kReadLimit && ReadFile(file.get(), bytes.data() + total, kReadLimit - total, &read, nullptr) &&
         read != 0) {
    total += read;
  }
  bytes.resize(total);
  return bytes;
}

// Written beside and moved over the old file, so that a reader (a test, the command line)
// never sees it half written. Wine refuses to move over a file another program holds open:
// then it is written in place.
void SimFileStore::SaveMemory(std::span<const uint8_t> memory) {
  const std::u16string fresh = memoryPath_ + u".new";
  if (WriteWhole(fresh, memory) && MoveFileExW(W(fresh), W(memoryPath_), MOVEFILE_REPLACE_EXISTING)) return;
  DeleteFileW(W(fresh));
  WriteWhole(memoryPath_, memory);
}

void SimFileStore::AppendLog(std::string_view line) {
  const UniqueFileHandle file(CreateFileW(W(logPath_), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  const std::string text = std::string(line) + "\n";
  WriteAll(file.get(), text.data(), text.size());
}

uint64_t ProcessClock::MillisecondsSinceStart() {
  static const uint64_t start = [] {
    FILETIME created, exited, kernel, user;
    if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return FileTimeValue(created);
    return NowFileTime();
  }();
  const uint64_t now = NowFileTime();
  return now > start ? (now - start) / 10000 : 0;  // 100 ns units
}

std::u16string ProgramDirectory() { return std::u16string(DirectoryOf(ModulePath())); }

std::unique_ptr<HidBus> CreateSimulatedHidBus(const std::u16string& directory) {
  return std::make_unique<SimMouse>(std::make_unique<SimFileStore>(directory), std::make_unique<ProcessClock>());
}

}  // namespace qv::win
