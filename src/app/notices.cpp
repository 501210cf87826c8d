#include "app/notices.h"

#include "common/text.h"

namespace qv {
namespace {

// The found and missing notices only flash: they come in bursts while a mouse is plugged.
constexpr uint32_t kLongTimeout = 5000;
constexpr uint32_t kShortTimeout = 100;

std::optional<int> ReportRateSlot(int32_t code) {
  switch (code) {
    case 1: return kSlotRate1000;
    case 2: return kSlotRate500;
    case 4: return kSlotRate250;
    case 8: return kSlotRate125;
    default: return std::nullopt;
  }
}

Notice Info(std::u16string text) { return Notice{std::move(text), kInfoTitle, kLongTimeout}; }

}  // namespace

std::optional<Notice> NoticeFor(uint64_t kind, int32_t value, Language language,
                                const StageDpiTexts& stageDpiTexts) {
  auto slot = [language](int n) { return std::u16string(Text(language, n)); };
  switch (kind) {
    case kNoticeReportRate:
      if (auto n = ReportRateSlot(value)) return Info(slot(*n));
      return std::nullopt;
    case kNoticeDpiStage:
      if (value < 1 || value > 4) return std::nullopt;
      return Info(slot(kSlotDpiStage1 + value - 1) + stageDpiTexts[static_cast<size_t>(value - 1)]);
    case kNoticeKeyMatrix:
      if (value != 1 && value != 2) return std::nullopt;
      return Info(slot(kSlotKeyMatrix1 + value - 1));
    case kNoticeMacro:
      if (value == 0) return std::nullopt;
      return Info(slot(kSlotMacro) + DecimalText(value));
    case kNoticeMouseFound:
      return Notice{slot(kSlotMouseFound), kInfoTitle, kShortTimeout};
    case kNoticeMouseMissing:
      return Notice{slot(kSlotMouseMissing), kWarningTitle, kShortTimeout};
    default:
      return std::nullopt;
  }
}

}  // namespace qv
