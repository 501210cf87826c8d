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

constexpr LanguageText kEditsNotOnMouse{
    u"The mouse is here, but your changes are not on it yet: press Apply to send them.",
    u"已检测到鼠标，但您的更改尚未写入鼠标：请按应用写入。",
    u"已檢測到滑鼠，但您的變更尚未寫入滑鼠：請按應用寫入。"};
constexpr LanguageText kWriteUnfinished{
    u"The last write to the mouse did not finish. The page shows the settings you chose: press Apply once to finish it.",
    u"上次写入鼠标没有完成。页面显示您选择的设置：请按一次应用完成写入。",
    u"上次寫入滑鼠沒有完成。頁面顯示您選擇的設定：請按一次應用完成寫入。"};
constexpr LanguageText kMouseBusy{
    u"Another program (qv318ctl) is using the mouse. Your settings were saved: press Apply again in a moment.",
    u"另一个程序（qv318ctl）正在使用鼠标。您的设置已保存：请稍后再按应用。",
    u"另一個程式（qv318ctl）正在使用滑鼠。您的設定已儲存：請稍後再按應用。"};

Notice Info(std::u16string text, Language language) {
  return Notice{std::move(text), kInfoCaption[language], kLongTimeout};
}

}  // namespace

std::u16string_view MouseBusyText(Language language) { return kMouseBusy[language]; }

std::optional<Notice> NoticeFor(uint64_t kind, int32_t value, Language language,
                                const StageDpiTexts& stageDpiTexts) {
  auto slot = [language](int n) { return std::u16string(Text(language, n)); };
  switch (kind) {
    case kNoticeReportRate:
      if (auto n = ReportRateSlot(value)) return Info(slot(*n), language);
      return std::nullopt;
    case kNoticeDpiStage:
      if (value < 1 || value > 4) return std::nullopt;
      return Info(slot(kSlotDpiStage1 + value - 1) + stageDpiTexts[static_cast<size_t>(value - 1)], language);
    case kNoticeKeyMatrix:
      if (value != 1 && value != 2) return std::nullopt;
      return Info(slot(kSlotKeyMatrix1 + value - 1), language);
    case kNoticeMacro:
      if (value == 0) return std::nullopt;
      return Info(slot(kSlotMacro) + DecimalText(value), language);
    case kNoticeMouseFound:
      return Notice{slot(kSlotMouseFound), kInfoCaption[language], kShortTimeout};
    case kNoticeMouseMissing:
      return Notice{slot(kSlotMouseMissing), kWarningCaption[language], kShortTimeout};
    case kNoticeEditsNotOnMouse:
      return Info(std::u16string(kEditsNotOnMouse[language]), language);
    case kNoticeWriteUnfinished:
      return Notice{std::u16string(kWriteUnfinished[language]), kWarningCaption[language], kLongTimeout};
    default:
      return std::nullopt;
  }
}

}  // namespace qv
