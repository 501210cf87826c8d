#include "ui/press.h"

#include <optional>
#include <span>

#include "ui/sliders.h"

namespace qv {
namespace {

using layout::Rect;

struct RectAction {
  const Rect* rect;
  PressKind kind;
  bool stops;
};

// Before the page elements; every hit is carried out, and a stopping one ends the press.
constexpr RectAction kFrameSteps[] = {
    {&layout::kOkButton, PressKind::Ok, false},
    {&layout::kApplyButton, PressKind::Apply, false},
    {&layout::kSkinsButton, PressKind::Skins, false},
    {&layout::kHideButton, PressKind::Hide, true},
    {&layout::kCloseButton, PressKind::Close, true},
    {&layout::kBackButton, PressKind::Back, true},
    {&layout::kCancelButton, PressKind::Cancel, false},
    {&layout::kWebAddress, PressKind::OpenWebAddress, true},
};

// The first of `rects` (numbered from `first`) holding the point.
std::optional<int> HitIn(std::span<const Rect> rects, int x, int y, int first = 1) {
  for (size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].Contains(x, y)) return static_cast<int>(i) + first;
  }
  return std::nullopt;
}

std::optional<PressAction> DpiCellPress(const Page& page, int x, int y) {
  const std::optional<int> cell = HitIn(layout::kDpiCells, x, y, 0);
  if (!cell) return std::nullopt;
  const int stage = *cell / layout::kDpiMaxLevels + 1;
  const int level = *cell % layout::kDpiMaxLevels + 1;
  if (!AcceptsDpiLevel(page.dpiSelector, level)) return std::nullopt;
  return PressAction{PressKind::SetDpiLevel, stage, level};
}

// A press on a page element ends the handling, with or without a step to carry out.
struct ElementHit {
  bool hit = false;
  std::optional<PressAction> action;
};

ElementHit Hit(PressKind kind, int index = 0) { return {true, PressAction{kind, index}}; }

ElementHit PageElementPress(const Page& page, int x, int y) {
  if (layout::kModeAButton.Contains(x, y)) return Hit(PressKind::ShowModeA);
  if (layout::kModeBButton.Contains(x, y)) return Hit(PressKind::ShowModeB);
  if (layout::kDefaultButton.Contains(x, y)) return Hit(PressKind::RestoreDefaults);
  const std::span<const Rect> shownBoxes(layout::kKeyBoxes, layout::kShownKeyCount);
  if (auto key = HitIn(shownBoxes, x, y)) return Hit(PressKind::ToggleKeyList, *key);
  if (auto segment = HitIn(layout::kRateSegments, x, y)) return Hit(PressKind::SetReportRate, *segment);
  if (auto stage = HitIn(layout::kDpiStageBoxes, x, y)) return Hit(PressKind::ToggleDpiStage, *stage);
  if (auto stage = HitIn(layout::kDpiSwatches, x, y)) {
    if (page.record.StageEnabled(*stage) != 1) return {true, std::nullopt};  // no chooser, no drag
    return Hit(PressKind::ChooseStageColour, *stage);
  }
  if (auto box = HitIn(layout::kLedBoxes, x, y, 0)) return Hit(PressKind::ToggleLedList, *box);
  if (auto level = DpiCellPress(page, x, y)) return {true, level};
  return {};
}

void DestroyIfExists(PageControls& controls, int id) {
  if (controls.Exists(id)) controls.Destroy(id);
}

const Rect& LedParameterList(const UiRecord& record) {
  return record[uirec::kLightMode] == kLightNeon ? layout::kLedParameterListNeon
                                                 : layout::kLedParameterListStandard;
}

void CloseLedListAwayFrom(Page& page, int box, const Rect& list, int x, int y, PageControls& controls) {
  const int id = LedListId(box);
  if (!controls.Exists(id) || list.Contains(x, y) || layout::kLedBoxes[box].Contains(x, y)) return;
  controls.Destroy(id);
  page.session.openLists.ledLists[static_cast<size_t>(box)] = false;
}

}  // namespace

std::vector<PressAction> DispatchPress(const Page& page, int x, int y) {
  std::vector<PressAction> steps;
  for (const RectAction& step : kFrameSteps) {
    if (!step.rect->Contains(x, y)) continue;
    steps.push_back({step.kind});
    if (step.stops) return steps;
  }
  const bool onFrameButton = !steps.empty();
  if (page.session.state == PageState::Shown) steps.push_back({PressKind::CloseLists});
  // A frame button's press may run a modal loop (Apply's message boxes, the skins dialog) or
  // hide the window; its button-up then goes elsewhere, and a move loop started after it
  // would wait for the next click anywhere and drop the window there.
  if (onFrameButton) return steps;
  if (page.session.state == PageState::Shown) {
    const ElementHit element = PageElementPress(page, x, y);
    if (element.hit) {
      if (element.action) steps.push_back(*element.action);
      return steps;
    }
  }
  steps.push_back({PressKind::DragWindow});
  return steps;
}

void CloseListsAwayFrom(Page& page, int x, int y, PageControls& controls) {
  for (int key = 1; key <= layout::kShownKeyCount; ++key) {
    const size_t i = static_cast<size_t>(key - 1);
    if (layout::kKeyLists[i].Contains(x, y) || layout::kKeyBoxes[i].Contains(x, y)) continue;
    DestroyIfExists(controls, KeyListId(key));
    page.session.openLists.keyLists[i] = false;
    DestroyIfExists(controls, kDpiSubListId);
  }
  CloseLedListAwayFrom(page, 0, layout::kLedModeList, x, y, controls);
  CloseLedListAwayFrom(page, 2, layout::kLedEffectList, x, y, controls);
  CloseLedListAwayFrom(page, 1, LedParameterList(page.record), x, y, controls);
}

void CloseAllLists(Page& page, PageControls& controls) {
  constexpr int kOutside = -1;  // no list and no box holds this point
  CloseListsAwayFrom(page, kOutside, kOutside, controls);
}

void StoreStageColour(UiRecord& record, int stage, Rgb colour, PageControls& controls) {
  const std::span<uint8_t, 3> bytes = record.StageColour(stage);
  bytes[0] = colour.red;
  bytes[1] = colour.green;
  bytes[2] = colour.blue;
  controls.Invalidate(SwatchId(stage));
}

}  // namespace qv
