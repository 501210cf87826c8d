#include "ui/key_lists.h"

#include <array>
#include <cstdint>

#include "ui/page_elements.h"

namespace qv {
namespace {

// The language slots of the entries in list order: "Shift" comes last.
constexpr std::array<int, kKeyListEntryCount> kEntrySlots = {
    kSlotLeftClick, kSlotRightClick, kSlotMidClick, kSlotForward,   kSlotBackward,
    kSlotDpiSwitch, kSlotWindows,    kSlotMultimedia, kSlotHotKey,  kSlotFireKey,
    kSlotSingleKey, kSlotSnipeKey,   kSlotKeyOff,   kSlotShift,
};

struct DpiSubEntry {
  LanguageText text;
  uint8_t subFunction;
};
constexpr std::array<DpiSubEntry, 3> kDpiSubEntries = {{{{u"DPI +", u"DPI加", u"DPI加"}, 3},
                                                        {{u"DPI -", u"DPI减", u"DPI減"}, 4},
                                                        {{u"DPI Loop", u"DPI循环", u"DPI循環"}, 5}}};

constexpr uint8_t kLeftClick = 0;

bool IsKey(int key) { return key >= 1 && key <= layout::kKeyCount; }
size_t Index(int key) { return static_cast<size_t>(key - 1); }

std::vector<std::u16string> KeyListEntries(Language language) {
  std::vector<std::u16string> entries;
  for (int slot : kEntrySlots) entries.emplace_back(Text(language, slot));
  return entries;
}

// A key list goes with the sub-list that may stand beside it.
void CloseKeyList(Page& page, int key, PageControls& controls) {
  if (controls.Exists(KeyListId(key))) {
    controls.Destroy(KeyListId(key));
    if (controls.Exists(kDpiSubListId)) controls.Destroy(kDpiSubListId);
  }
  page.session.openLists.keyLists[Index(key)] = false;
}

// The mouse would be left without a left button if this key were reassigned.
bool CarriesTheOnlyLeftClick(const UiRecord& record, int key) {
  const KeyMode mode = record.ShownMode();
  if (record.Key(uirec::kFunctionType, mode, key) != kLeftClick) return false;
  for (int other = 1; other <= kKeysPerMode; ++other) {
    if (other != key && record.Key(uirec::kFunctionType, mode, other) == kLeftClick) return false;
  }
  return true;
}

std::optional<int> FirstOpenKeyList(const PageControls& controls) {
  for (int key = 1; key <= layout::kKeyCount; ++key) {
    if (controls.Exists(KeyListId(key))) return key;
  }
  return std::nullopt;
}

}  // namespace

std::u16string_view KeyListEntry(Language language, int index) {
  if (index < 0 || index >= kKeyListEntryCount) return {};
  return Text(language, kEntrySlots[static_cast<size_t>(index)]);
}

std::u16string_view DpiSubFunctionText(uint8_t subFunction, Language language) {
  for (const DpiSubEntry& entry : kDpiSubEntries) {
    if (entry.subFunction == subFunction) return entry.text[language];
  }
  return {};
}

bool ShiftFreeFor(const UiRecord& record, int key) {
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int other = 1; other <= kKeysPerMode; ++other) {
      if (other != key && record.Key(uirec::kFunctionType, mode, other) == kShiftEntry) return false;
    }
  }
  return true;
}

std::vector<KeyMode> ModesOfNewFunction(const UiRecord& record, int key) {
  const KeyMode shown = record.ShownMode();
  if (record.Key(uirec::kFunctionType, shown, key) != kShiftEntry) return {shown};
  return {KeyMode::A, KeyMode::B};
}

std::optional<MessageBoxText> OpenKeyList(Page& page, int key, PageControls& controls) {
  if (!IsKey(key)) return std::nullopt;
  if (page.session.openLists.keyLists[Index(key)]) {
    CloseKeyList(page, key, controls);
    return std::nullopt;
  }
  for (int other = 1; other <= layout::kKeyCount; ++other) {
    if (other != key) CloseKeyList(page, other, controls);
  }
  if (CarriesTheOnlyLeftClick(page.record, key)) {
    return MessageBoxText{Text(page.language, kSlotLeftKeyRequired), kWarningCaption[page.language]};
  }
  if (!controls.Exists(KeyListId(key))) {
    const int function = page.record.Key(uirec::kFunctionType, page.record.ShownMode(), key);
    controls.CreateList(KeyListId(key), layout::kKeyLists[Index(key)], KeyListEntries(page.language),
                        EntryOf(function, kKeyListEntryCount));
  }
  page.session.openLists.keyLists[Index(key)] = true;
  return std::nullopt;
}

std::vector<int> OnKeyListSelect(Page& page, PageControls& controls, const AssignKey& assign) {
  std::vector<int> closed;
  for (int key = 1; key <= layout::kKeyCount; ++key) {
    if (!controls.Exists(KeyListId(key))) continue;
    assign(key);
    if (controls.Exists(KeyListId(key))) continue;  // no selection, or "DPI Switch": still open
    if (controls.Exists(kDpiSubListId)) controls.Destroy(kDpiSubListId);
    page.session.openLists.keyLists[Index(key)] = false;
    closed.push_back(key);
  }
  return closed;
}

void RepaintKeyBoxes(const Page& page, std::span<const int> keys, Canvas& canvas) {
  for (int key : keys) {
    if (IsKey(key)) DrawKeyBox(canvas, page, key, false);
  }
}

void TrackKeyListPointer(const ListPointer& pointer, const UiRecord& record, Language language, PageControls& controls) {
  const int key = pointer.listId - kDpiSubListId;
  if (!IsKey(key)) return;
  const bool subListOpen = controls.Exists(kDpiSubListId);
  if (pointer.item != kDpiSwitchEntry) {
    if (subListOpen) controls.Destroy(kDpiSubListId);
    return;
  }
  if (subListOpen) return;
  const layout::Rect& list = layout::kKeyLists[Index(key)];
  const int left = list.left + pointer.itemRect.right;
  const int top = list.top + pointer.itemRect.top;
  std::vector<std::u16string> entries;
  for (const DpiSubEntry& entry : kDpiSubEntries) entries.emplace_back(entry.text[language]);
  // The key's own sub-function is marked only while the key is a DPI key.
  const KeyMode mode = record.ShownMode();
  const int current = record.Key(uirec::kFunctionType, mode, key) == kDpiSwitchEntry
                          ? record.Key(uirec::kDpiSubFunction, mode, key) - kDpiSubEntries[0].subFunction
                          : -1;
  controls.CreateList(kDpiSubListId, {left, top, left + kDpiSubListSize, top + kDpiSubListSize}, entries,
                      EntryOf(current, static_cast<int>(kDpiSubEntries.size())));
}

void OnDpiSubListSelect(Page& page, PageControls& controls, Canvas& canvas) {
  const std::optional<int> selection = controls.Selection(kDpiSubListId);
  if (!selection || *selection < 0 || *selection >= static_cast<int>(kDpiSubEntries.size())) return;
  const std::optional<int> key = FirstOpenKeyList(controls);
  if (!key) return;
  const DpiSubEntry& entry = kDpiSubEntries[static_cast<size_t>(*selection)];
  for (KeyMode mode : ModesOfNewFunction(page.record, *key)) {
    page.keyNames[static_cast<size_t>(mode)][Index(*key)] = entry.text[page.language];
    page.record.Key(uirec::kFunctionType, mode, *key) = kDpiSwitchEntry;
    page.record.Key(uirec::kDpiSubFunction, mode, *key) = entry.subFunction;
  }
  CloseKeyList(page, *key, controls);
  DrawKeyBox(canvas, page, *key, false);
}

}  // namespace qv
