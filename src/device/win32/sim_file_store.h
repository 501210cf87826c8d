#pragma once
// The simulated mouse's files in a directory (the program directory in the simulated
// build): simmouse.bin holds its memory, simmouse.log gets one line per transfer.
#include <memory>
#include <string>

#include "device/hid_bus.h"
#include "device/sim_store.h"

namespace qv::win {

inline constexpr std::u16string_view kSimMemoryFile = u"simmouse.bin";
inline constexpr std::u16string_view kSimLogFile = u"simmouse.log";

class SimFileStore final : public SimMouseStore {
 public:
  // `directory` without a trailing separator.
  explicit SimFileStore(std::u16string directory);

  std::optional<std::vector<uint8_t>> LoadMemory() override;
  void SaveMemory(std::span<const uint8_t> memory) override;
  void AppendLog(std::string_view line) override;  // "\n" ends each line

  const std::u16string& MemoryPath() const { return memoryPath_; }
  const std::u16string& LogPath() const { return logPath_; }

 private:
  std::u16string memoryPath_;
  std::u16string logPath_;
};

// Milliseconds since this process was created (GetProcessTimes), counted on the system
// clock; falls back to the first call when the creation time is not available.
class ProcessClock final : public MillisecondClock {
 public:
  uint64_t MillisecondsSinceStart() override;
};

// The directory of the running executable (GetModuleFileNameW), without the separator.
std::u16string ProgramDirectory();

// The simulated mouse with its memory and log in `directory` (no trailing separator).
std::unique_ptr<HidBus> CreateSimulatedHidBus(const std::u16string& directory);

}  // namespace qv::win
