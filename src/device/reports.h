#pragma once
// Layout of the two feature reports. Every report is built in a zeroed 80-byte buffer; the
// length that goes on the wire is the channel's feature length (8 or 65).
//
// Command report (command channel):  [0] id 1, [1..4] AA CC EE DD, [5] command,
//                                     [6] first parameter, [7] second parameter.
// Data report (data channel):         [0] id 0, [1..64] one 64-byte block.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/scramble.h"
#include "model/config_image.h"

namespace qv {

inline constexpr size_t kReportBufferSize = 80;
using ReportBuffer = std::array<uint8_t, kReportBufferSize>;

inline constexpr size_t kReportIdOffset = 0;
inline constexpr size_t kSignatureOffset = 1;
inline constexpr size_t kCommandOffset = 5;
inline constexpr size_t kFirstParamOffset = 6;
inline constexpr size_t kSecondParamOffset = 7;
inline constexpr size_t kCommandReportSize = 8;
static_assert(kSecondParamOffset + 1 == kCommandReportSize);
static_assert(kCommandReportSize == kUnitSize, "a command report is one scrambling unit");

inline constexpr size_t kBlockOffset = 1;
inline constexpr size_t kDataReportSize = kBlockOffset + kBlockSize;  // 65
inline constexpr size_t kUnitsPerBlock = kBlockSize / kUnitSize;      // 8
static_assert(kDataReportSize <= kReportBufferSize);
static_assert(kUnitsPerBlock * kUnitSize == kBlockSize);

inline constexpr uint8_t kCommandReportId = 1;
inline constexpr uint8_t kDataReportId = 0;
inline constexpr std::array<uint8_t, 4> kSignature{0xAA, 0xCC, 0xEE, 0xDD};

inline constexpr uint8_t kCommandStatusQuery = 0x80;
inline constexpr uint8_t kCommandReadBlock = 0x80;   // | block number 1..5
inline constexpr uint8_t kCommandWriteStatus = 0x00;
inline constexpr uint8_t kCommandWriteBlock = 0x00;  // | block number 1..5

// Zeroes the buffer and builds a command report, scrambled when asked.
void BuildCommandReport(ReportBuffer& buffer, uint8_t command, uint8_t first, uint8_t second, bool scramble);
// Zeroes the buffer and prepares it to receive a report with the given id.
void PrepareAnswer(ReportBuffer& buffer, uint8_t reportId);

bool HasSignature(std::span<const uint8_t> report);

// The command unit sits at report byte 0; a data report's eight units start at bytes
// 1, 9, ..., 57, so every eighth block byte travels clear.
void ScrambleCommandReport(std::span<uint8_t> report);
void UnscrambleCommandReport(std::span<uint8_t> report);
void ScrambleDataReport(std::span<uint8_t> report);
void UnscrambleDataReport(std::span<uint8_t> report);

}  // namespace qv
