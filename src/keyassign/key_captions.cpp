#include "keyassign/key_captions.h"

#include "keyassign/key_codes.h"
#include "keyassign/selector_dialogs.h"
#include "model/dpi_tables.h"
#include "ui/key_lists.h"
#include "ui/key_names.h"

namespace qv {
namespace {

std::u16string Prefixed(Language language, int slot, std::u16string_view text) {
  return std::u16string(Text(language, slot)) + u"-" + std::u16string(text);
}

std::u16string ItemText(const SelectorDialogKind& kind, uint8_t index, Language language) {
  return index < kind.items.size() ? std::u16string(kind.items[index][language]) : std::u16string();
}

// The mouse has one snipe DPI for every snipe key; a record whose code the table lacks
// falls back on the key's own entry.
std::u16string SnipeText(const UiRecord& record, uint8_t keyIndex, int dpiSelector) {
  const std::vector<std::u16string> values = SnipeValues(dpiSelector);
  const int shared = DpiIndexOfCode(dpiSelector, record[uirec::kSnipeDpiCode]);
  const size_t index = shared >= 0 ? static_cast<size_t>(shared) : keyIndex;
  return index < values.size() ? values[index] : std::u16string();
}

bool IsSingleKey(const UiRecord& record, KeyMode mode, int key) {
  return record.Key(uirec::kFunctionType, mode, key) == static_cast<uint8_t>(KeyFunctionType::SingleKey);
}

// The system names a captured key, and that name is kept; any other name must be the caption.
bool NamesItsFunction(const Page& page, KeyMode mode, int key, const std::u16string& name) {
  if (name.empty()) return false;
  if (IsSingleKey(page.record, mode, key)) return name.starts_with(Prefixed(page.language, kSlotSingleKey, u""));
  return name == KeyCaption(page.record, mode, key, page.language, page.dpiSelector);
}

}  // namespace

std::u16string KeyCaption(const UiRecord& record, KeyMode mode, int key, Language language, int dpiSelector) {
  const uint8_t type = record.Key(uirec::kFunctionType, mode, key);
  auto field = [&](size_t offset) { return record.Key(offset, mode, key); };
  switch (static_cast<KeyFunctionType>(type)) {
    case KeyFunctionType::DpiSwitch: return std::u16string(DpiSubFunctionText(field(uirec::kDpiSubFunction), language));
    case KeyFunctionType::Windows: return ItemText(WindowsDialog(), field(uirec::kWindowsIndex), language);
    case KeyFunctionType::Multimedia:
      return Prefixed(language, kSlotMultimedia, ItemText(MediaDialog(), field(uirec::kMediaIndex), language));
    case KeyFunctionType::HotKey: return ItemText(HotKeyDialog(), field(uirec::kHotKeyIndex), language);
    case KeyFunctionType::FireKey:
      return Prefixed(language, kSlotFireKey, FireTargetText(field(uirec::kFireTargetIndex)));
    case KeyFunctionType::SingleKey:
      return Prefixed(language, kSlotSingleKey, UsageToKeyName(field(uirec::kSingleKeyUsage)));
    case KeyFunctionType::SnipeKey:
      return Prefixed(language, kSlotSnipeKey, SnipeText(record, field(uirec::kSnipeIndex), dpiSelector));
    default: return std::u16string(KeyListEntry(language, type));
  }
}

bool SettleKeyNames(Page& page) {
  bool defaultsTaken = false;
  if (!page.session.defaultNamesDecided) {
    page.session.defaultNamesDecided = true;
    if (page.firstRun == 0) {
      FillDefaultKeyNames(page.keyNames, page.language);
      defaultsTaken = true;
    }
  }
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kSentKeyCount; ++key) {
      std::u16string& name = page.keyNames[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)];
      if (!NamesItsFunction(page, mode, key, name)) name = KeyCaption(page.record, mode, key, page.language, page.dpiSelector);
    }
  }
  return defaultsTaken;
}

}  // namespace qv
