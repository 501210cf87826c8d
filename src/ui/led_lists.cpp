#include "ui/led_lists.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/led_texts.h"

namespace qv {
namespace {

constexpr int kModeBox = 0;
constexpr int kParameterBox = 1;
constexpr int kEffectBox = 2;
constexpr int kEffectCount = 2;  // "RGB Effect", "RGB Flash": effect = entry + 1

// The parameter list of a lighting mode: where its pick is stored and how it is shown.
struct ParameterList {
  uint8_t mode;
  size_t offset;
  const layout::Rect* rect;
  int count;
  std::u16string (*text)(uint8_t);
};
constexpr std::array<ParameterList, 2> kParameterLists = {{
    {kLightStandard, uirec::kBrightness, &layout::kLedParameterListStandard, kBrightnessCount, BrightnessText},
    {kLightNeon, uirec::kNeonPeriod, &layout::kLedParameterListNeon, kNeonSpeedCount, NeonSpeedText},
}};

const ParameterList* ParameterListOf(const UiRecord& record) {
  for (const ParameterList& list : kParameterLists) {
    if (list.mode == record[uirec::kLightMode]) return &list;
  }
  return nullptr;
}

bool& Flag(Page& page, int box) { return page.session.openLists.ledLists[static_cast<size_t>(box)]; }

void CloseLedList(Page& page, int box, PageControls& controls) {
  if (controls.Exists(LedListId(box))) controls.Destroy(LedListId(box));
  Flag(page, box) = false;
}

// A press that finds its box's flag set only closes.
bool ClosedByToggle(Page& page, int box, PageControls& controls) {
  if (!Flag(page, box)) return false;
  CloseLedList(page, box, controls);
  return true;
}

// The pick of an LED list that holds `count` entries; none leaves everything as it is.
std::optional<uint8_t> Pick(const PageControls& controls, int box, int count) {
  const std::optional<int> selection = controls.Selection(LedListId(box));
  if (!selection || *selection < 0 || *selection >= count) return std::nullopt;
  return static_cast<uint8_t>(*selection);
}

std::vector<std::u16string> Entries(int count, auto text) {
  std::vector<std::u16string> entries;
  for (int i = 0; i < count; ++i) entries.push_back(text(static_cast<uint8_t>(i)));
  return entries;
}

}  // namespace

void ToggleLedList(Page& page, int box, PageControls& controls) {
  constexpr std::array<void (*)(Page&, PageControls&), layout::kLedBoxCount> kOpeners = {
      OpenLedModeList, OpenLedParameterList, OpenLedEffectList};
  if (box >= 0 && box < layout::kLedBoxCount) kOpeners[static_cast<size_t>(box)](page, controls);
}

void OpenLedModeList(Page& page, PageControls& controls) {
  if (ClosedByToggle(page, kModeBox, controls)) return;
  if (!controls.Exists(LedListId(kModeBox))) {
    const auto text = [&page](uint8_t mode) { return LedModeText(page.language, mode); };
    controls.CreateList(LedListId(kModeBox), layout::kLedModeList, Entries(kLightNeon + 1, text),
                        EntryOf(page.record[uirec::kLightMode], kLightNeon + 1));
  }
  Flag(page, kModeBox) = true;
}

void OpenLedParameterList(Page& page, PageControls& controls) {
  if (ClosedByToggle(page, kParameterBox, controls)) return;
  const ParameterList* list = ParameterListOf(page.record);
  if (list && !controls.Exists(LedListId(kParameterBox))) {
    controls.CreateList(LedListId(kParameterBox), *list->rect, Entries(list->count, list->text),
                        EntryOf(page.record[list->offset], list->count));
  }
  Flag(page, kParameterBox) = true;
}

void OpenLedEffectList(Page& page, PageControls& controls) {
  if (ClosedByToggle(page, kEffectBox, controls)) return;
  const uint8_t mode = page.record[uirec::kLightMode];
  if (!controls.Exists(LedListId(kEffectBox))) {
    const auto text = [&page](uint8_t entry) { return LightEffectText(page.language, static_cast<uint8_t>(entry + 1)); };
    if (mode == kLightStandard) controls.SetText(kLedEffectStaticId, text(0));  // Standard has one effect
    if (mode == kLightNeon) {
      controls.CreateList(LedListId(kEffectBox), layout::kLedEffectList, Entries(kEffectCount, text),
                          EntryOf(page.record[uirec::kNeonEffect] - 1, kEffectCount));
    }
  }
  Flag(page, kEffectBox) = true;
}

void OnLedModeSelect(Page& page, PageControls& controls) {
  const std::optional<uint8_t> mode = Pick(controls, kModeBox, kLightNeon + 1);
  if (!mode) return;
  page.record[uirec::kLightMode] = *mode;
  const LedTexts texts = LedStaticTexts(page.record, page.language);
  controls.SetText(kLedModeStaticId, texts.mode);
  controls.SetText(kLedParameterStaticId, texts.parameter);
  controls.SetText(kLedEffectStaticId, texts.effect);
  CloseLedList(page, kModeBox, controls);
}

void OnLedParameterSelect(Page& page, PageControls& controls) {
  if (!controls.Selection(LedListId(kParameterBox))) return;
  // The list was filled for the mode in force; any other mode has no parameter to store.
  if (const ParameterList* list = ParameterListOf(page.record)) {
    if (const std::optional<uint8_t> entry = Pick(controls, kParameterBox, list->count)) {
      page.record[list->offset] = *entry;
      controls.SetText(kLedParameterStaticId, list->text(*entry));
    }
  }
  CloseLedList(page, kParameterBox, controls);
}

void OnLedEffectSelect(Page& page, PageControls& controls) {
  const std::optional<uint8_t> entry = Pick(controls, kEffectBox, kEffectCount);
  if (!entry) return;
  const uint8_t effect = static_cast<uint8_t>(*entry + 1);
  if (page.record[uirec::kLightMode] == kLightNeon) page.record[uirec::kNeonEffect] = effect;
  controls.SetText(kLedEffectStaticId, LightEffectText(page.language, effect));
  CloseLedList(page, kEffectBox, controls);
}

}  // namespace qv
