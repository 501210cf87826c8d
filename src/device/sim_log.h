#pragma once
// One line of simmouse.log: "<ms> <set|get|ask> <cmd|data> <hex>", the hex being every byte
// of the report as it crossed the wire, report id first, lower case, single spaces. "ask"
// is the program's get request before its answer: the report id it asked for.
#include <cstdint>
#include <span>
#include <string>

namespace qv {

enum class SimDirection { Set, Get, Ask };
enum class SimChannel { Command, Data };

std::string FormatSimLogLine(uint64_t milliseconds, SimDirection direction, SimChannel channel,
                             std::span<const uint8_t> wire);

}  // namespace qv
