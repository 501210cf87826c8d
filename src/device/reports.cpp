#include "device/reports.h"

#include <algorithm>

namespace qv {
namespace {

Unit UnitAt(std::span<uint8_t> report, size_t offset) { return Unit(report.data() + offset, kUnitSize); }

}  // namespace

void BuildCommandReport(ReportBuffer& buffer, uint8_t command, uint8_t first, uint8_t second, bool scramble) {
  buffer.fill(0);
  buffer[kReportIdOffset] = kCommandReportId;
  std::copy(kSignature.begin(), kSignature.end(), buffer.begin() + kSignatureOffset);
  buffer[kCommandOffset] = command;
  buffer[kFirstParamOffset] = first;
  buffer[kSecondParamOffset] = second;
  if (scramble) ScrambleCommandReport(buffer);
}

void PrepareAnswer(ReportBuffer& buffer, uint8_t reportId) {
  buffer.fill(0);
  buffer[kReportIdOffset] = reportId;
}

bool HasSignature(std::span<const uint8_t> report) {
  return report.size() >= kSignatureOffset + kSignature.size() &&
         std::equal(kSignature.begin(), kSignature.end(), report.begin() + kSignatureOffset);
}

// Short reports are left alone rather than read past their end.
void ScrambleCommandReport(std::span<uint8_t> report) {
  if (report.size() >= kCommandReportSize) ScrambleGroup(UnitAt(report, kReportIdOffset));
}

void UnscrambleCommandReport(std::span<uint8_t> report) {
  if (report.size() >= kCommandReportSize) UnscrambleGroup(UnitAt(report, kReportIdOffset));
}

void ScrambleDataReport(std::span<uint8_t> report) {
  if (report.size() < kDataReportSize) return;
  for (size_t u = 0; u < kUnitsPerBlock; ++u) ScrambleGroup(UnitAt(report, kBlockOffset + u * kUnitSize));
}

void UnscrambleDataReport(std::span<uint8_t> report) {
  if (report.size() < kDataReportSize) return;
  for (size_t u = 0; u < kUnitsPerBlock; ++u) UnscrambleGroup(UnitAt(report, kBlockOffset + u * kUnitSize));
}

}  // namespace qv
