#include "ui/page_access.h"

#include "common/text.h"
#include "model/dpi_tables.h"
#include "ui/led_texts.h"
#include "ui/page_elements.h"

namespace qv {
namespace {

using layout::Rect;

// The words a reader speaks around the page's own texts.
enum Word : int { kKey, kStage, kColour, kSwitch, kOn, kOff, kRate, kSelected, kSkins, kHide, kClose,
                  kPress, kOpen, kPage, kWordCount };
constexpr LanguageText kWords[kWordCount] = {
    {u"Key", u"按键", u"按鍵"},
    {u"Stage", u"档位", u"檔位"},
    {u"colour", u"颜色", u"顏色"},
    {u"on/off", u"开关", u"開關"},
    {u"on", u"开", u"開"},
    {u"off", u"关", u"關"},
    {u"Report rate", u"报告率", u"報告率"},
    {u"selected", u"已选", u"已選"},
    {u"Skins", u"皮肤", u"皮膚"},
    {u"Hide", u"隐藏", u"隱藏"},
    {u"Close", u"关闭", u"關閉"},
    {u"Press", u"按下", u"按下"},
    {u"Open", u"打开", u"打開"},
    {u"Mouse settings", u"鼠标设置", u"滑鼠設置"},
};
constexpr int kRatesHz[layout::kRateSegmentCount] = {125, 250, 500, 1000};
constexpr int kLedLabelSlots[layout::kLedBoxCount] = {kSlotMode, kSlotParameter, kSlotEffect};

std::u16string Word(const Page& page, int word) { return std::u16string(kWords[word][page.language]); }

struct Builder {
  const Page& page;
  std::vector<AccessibleControl> controls;

  AccessibleControl& Add(PageControlKind kind, int index, const Rect& rect, std::u16string name,
                         ControlRole role = ControlRole::PushButton) {
    AccessibleControl& c = controls.emplace_back(NamedControl(rect, std::move(name), role, page.language));
    c.kind = kind;
    c.index = index;
    return c;
  }
  void Slot(PageControlKind kind, const Rect& rect, int slot) { Add(kind, 0, rect, std::u16string(Text(page.language, slot))); }

  void TitleBar() {
    Add(PageControlKind::Skins, 0, layout::kSkinsButton, Word(page, kSkins));
    Add(PageControlKind::Hide, 0, layout::kHideButton, Word(page, kHide));
    Add(PageControlKind::Close, 0, layout::kCloseButton, Word(page, kClose));
  }
  void KeyArea() {
    const auto& names = page.keyNames[page.record.ShownMode() == KeyMode::A ? 0 : 1];
    for (int key = 1; key <= layout::kShownKeyCount; ++key) {
      const std::u16string& shown = names[static_cast<size_t>(key - 1)];
      Add(PageControlKind::KeyBox, key, layout::kKeyBoxes[key - 1],
          Word(page, kKey) + u" " + DecimalText(key) + u": " + shown, ControlRole::DropDown)
          .value = shown;
    }
    const bool modeA = page.record.ShownMode() == KeyMode::A;
    Add(PageControlKind::ModeA, 0, layout::kModeAButton, std::u16string(ModeButtonText(page.language, KeyMode::A)), ControlRole::RadioButton).selected = modeA;
    Add(PageControlKind::ModeB, 0, layout::kModeBButton, std::u16string(ModeButtonText(page.language, KeyMode::B)), ControlRole::RadioButton).selected = !modeA;
    Slot(PageControlKind::Default, layout::kDefaultButton, kSlotDefault);
  }
  void Rates() {
    const int shown = RateSegmentOf(page.record[uirec::kReportRate]);
    for (int segment = 1; segment <= layout::kRateSegmentCount; ++segment) {
      std::u16string name = Word(page, kRate) + u" " + DecimalText(kRatesHz[segment - 1]) + u" Hz";
      if (segment == shown) name += u", " + Word(page, kSelected);
      Add(PageControlKind::RateSegment, segment, layout::kRateSegments[segment - 1], std::move(name),
          ControlRole::RadioButton)
          .selected = segment == shown;
    }
  }
  void Stage(int stage) {
    const bool on = page.record.StageEnabled(stage) == 1;
    const int level = page.record.DpiIndex(stage) + 1;
    const int levels = DpiLevelCount(page.dpiSelector);
    const std::u16string stageWord = Word(page, kStage) + u" " + DecimalText(stage);
    const std::u16string dpi = DecimalText(DpiValue(page.dpiSelector, level - 1)) + u" DPI";
    const Rect top = layout::DpiCell(stage, levels);
    const Rect bottom = layout::DpiCell(stage, 1);
    AccessibleControl& column = Add(PageControlKind::DpiColumn, stage, {top.left, top.top, bottom.right, bottom.bottom},
                                    stageWord + u", " + dpi + u", " + Word(page, on ? kOn : kOff), ControlRole::Slider);
    column.value = dpi;
    column.checked = on;
    const Rect cell = layout::DpiCell(stage, level <= levels ? level : 1);  // a press re-states the level
    column.pressX = (cell.left + cell.right) / 2;
    column.pressY = (cell.top + cell.bottom) / 2;
    Add(PageControlKind::DpiColour, stage, layout::kDpiSwatches[stage - 1], stageWord + u" " + Word(page, kColour));
    Add(PageControlKind::DpiSwitch, stage, layout::kDpiStageBoxes[stage - 1], stageWord + u" " + Word(page, kSwitch),
        ControlRole::CheckBox)
        .checked = on;
  }
  void Lighting() {
    const LedTexts texts = LedStaticTexts(page.record, page.language);
    const std::u16string* values[layout::kLedBoxCount] = {&texts.mode, &texts.parameter, &texts.effect};
    for (int box = 0; box < layout::kLedBoxCount; ++box) {
      std::u16string name(Text(page.language, kLedLabelSlots[box]));
      if (!values[box]->empty()) name += u": " + *values[box];
      Add(PageControlKind::LedBox, box, layout::kLedBoxes[box], std::move(name), ControlRole::DropDown).value =
          *values[box];
    }
  }
};

}  // namespace

std::vector<AccessibleControl> PageReadingOrder(const Page& page) {
  if (page.session.state != PageState::Shown) return {};
  Builder b{page, {}};
  b.TitleBar();
  b.KeyArea();
  b.Rates();
  for (int stage = 1; stage <= layout::kDpiStageCount; ++stage) b.Stage(stage);
  b.Lighting();
  b.Add(PageControlKind::Guide, 0, layout::kWebAddress, std::u16string(Text(page.language, kSlotWebAddress)),
        ControlRole::Link);
  b.Slot(PageControlKind::Ok, layout::kOkButton, kSlotOk);
  b.Slot(PageControlKind::Apply, layout::kApplyButton, kSlotApply);
  b.Slot(PageControlKind::Cancel, layout::kCancelButton, kSlotCancel);
  return std::move(b.controls);
}

std::vector<PressAction> PressOf(const Page& page, const AccessibleControl& control) {
  return DispatchPress(page, control.pressX, control.pressY);
}

std::u16string PageAccessibleName(Language language) { return std::u16string(kWords[kPage][language]); }

AccessibleControl NamedControl(const Rect& rect, std::u16string name, ControlRole role, Language language) {
  AccessibleControl c;
  c.rect = rect;
  c.pressX = (rect.left + rect.right) / 2;
  c.pressY = (rect.top + rect.bottom) / 2;
  c.name = std::move(name);
  c.role = role;
  c.action = std::u16string(kWords[role == ControlRole::DropDown ? kOpen : kPress][language]);
  return c;
}

std::u16string CloseName(Language language) { return std::u16string(kWords[kClose][language]); }

std::vector<AccessibleChange> ChangesBetween(const std::vector<AccessibleControl>& before,
                                             const std::vector<AccessibleControl>& after) {
  std::vector<AccessibleChange> changes;
  if (before.size() != after.size()) return changes;
  for (size_t i = 0; i < after.size(); ++i) {
    const AccessibleControl& was = before[i];
    const AccessibleControl& is = after[i];
    AccessibleChange change{static_cast<int>(i), was.name != is.name, was.value != is.value,
                            was.selected != is.selected || was.checked != is.checked};
    if (change.name || change.value || change.state) changes.push_back(change);
  }
  return changes;
}

}  // namespace qv
