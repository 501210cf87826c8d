#include "device/sim_log.h"

namespace qv {

std::string FormatSimLogLine(uint64_t milliseconds, SimDirection direction, SimChannel channel,
                             std::span<const uint8_t> wire) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string line = std::to_string(milliseconds);
  line += direction == SimDirection::Set ? " set" : direction == SimDirection::Get ? " get" : " ask";
  line += channel == SimChannel::Command ? " cmd" : " data";
  for (uint8_t byte : wire) {
    line += ' ';
    line += kDigits[byte >> 4];
    line += kDigits[byte & 0xF];
  }
  return line;
}

}  // namespace qv
