#include "ui/sliders.h"

#include <array>

#include "ui/page_elements.h"

namespace qv {
namespace {

constexpr std::array<uint8_t, layout::kRateSegmentCount> kRateCodes = {kRate125Hz, kRate250Hz, kRate500Hz,
                                                                       kRate1000Hz};
constexpr int kLevelsOfSmallTables = 8;

bool AnotherStageOn(const UiRecord& record, int stage) {
  for (int other = 1; other <= kStageCount; ++other) {
    if (other != stage && record.StageEnabled(other) == 1) return true;
  }
  return false;
}

}  // namespace

void SetReportRate(UiRecord& record, int segment, Canvas& canvas) {
  const int old = RateSegmentOf(record[uirec::kReportRate]);
  if (old != segment) {
    DrawRateSegment(canvas, segment, true);
    DrawRateSegment(canvas, old, false);
  }
  record[uirec::kReportRate] = kRateCodes[static_cast<size_t>(segment - 1)];
}

void ToggleDpiStage(Page& page, int stage, Canvas& canvas) {
  UiRecord& record = page.record;
  const int levels = page.session.dpiLevelCount;
  if (record.StageEnabled(stage) != 1) {
    DrawStageBox(canvas, stage, true);
    record.StageEnabled(stage) = 1;
    DrawDpiColumn(canvas, stage, LitCells(record, stage), levels);
  } else if (AnotherStageOn(record, stage)) {
    DrawStageBox(canvas, stage, false);
    record.StageEnabled(stage) = 0;
    DrawDpiColumn(canvas, stage, 0, levels);
  }
}

bool AcceptsDpiLevel(int dpiSelector, int level) {
  if (level < 1 || level > layout::kDpiMaxLevels) return false;
  return level <= kLevelsOfSmallTables || dpiSelector == 0 || dpiSelector == 1;
}

void SetDpiLevel(Page& page, int stage, int level, Canvas& canvas) {
  if (!AcceptsDpiLevel(page.dpiSelector, level) || !page.hasCanvasBitmap) return;
  page.record.DpiIndex(stage) = static_cast<uint8_t>(level - 1);
  // Drawn as the page paints it: a stage that is off stays dark and shows the level once
  // it is switched on.
  DrawDpiColumn(canvas, stage, LitCells(page.record, stage), page.session.dpiLevelCount);
}

}  // namespace qv
