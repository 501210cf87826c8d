#pragma once
// One line of simmouse.log: "<ms> <set|get> <cmd|data> <hex>", the hex being every byte
// of the report as it crossed the wire, report id first, lower case, single spaces.
#include <cstdint>
#include <span>
#include <string>

namespace qv {

enum class SimDirection { Set, Get };
enum class SimChannel { Command, Data };

std::string FormatSimLogLine(uint64_t milliseconds, SimDirection direction, SimChannel channel,
                             std::span<const uint8_t> wire);

}  // namespace qv
