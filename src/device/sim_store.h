#pragma once
// What the simulated mouse asks of its surroundings, so that it stays portable: a place
// for its memory (simmouse.bin), a transfer log (simmouse.log) and a clock for the log.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qv {

class SimMouseStore {
 public:
  virtual ~SimMouseStore() = default;
  // The stored memory as found (any length), or nothing when there is none.
  virtual std::optional<std::vector<uint8_t>> LoadMemory() = 0;
  virtual void SaveMemory(std::span<const uint8_t> memory) = 0;
  // Appends one log line; the store adds the line end.
  virtual void AppendLog(std::string_view line) = 0;
};

class MillisecondClock {
 public:
  virtual ~MillisecondClock() = default;
  // Whole milliseconds since the process started.
  virtual uint64_t MillisecondsSinceStart() = 0;
};

}  // namespace qv
