#include "keyassign/assign_key_function.h"

#include <array>
#include <utility>
#include <vector>

#include "keyassign/key_codes.h"
#include "model/dpi_tables.h"
#include "ui/key_lists.h"

namespace qv {
namespace {

static_assert(kKeyListEntryCount == kKeyFunctionTypeCount);
static_assert(kDpiSwitchEntry == static_cast<int>(KeyFunctionType::DpiSwitch));
static_assert(kShiftEntry == static_cast<int>(KeyFunctionType::Shift));

using FieldValue = std::pair<size_t, uint8_t>;  // record offset or per-key field, value

// What a pick writes besides the function type.
struct Assignment {
  std::u16string name;
  std::vector<FieldValue> keyFields;     // per-key fields (uirec::kMediaIndex ...)
  std::vector<FieldValue> globalFields;  // record offsets shared by all keys
};

uint8_t Byte(int value) { return static_cast<uint8_t>(value); }

std::u16string Prefixed(Language language, int slot, std::u16string_view text) {
  return std::u16string(Text(language, slot)) + u"-" + std::u16string(text);
}

std::optional<Assignment> FromWindows(const Page&, std::optional<Choice> c) {
  if (!c) return std::nullopt;
  return Assignment{c->text, {{uirec::kWindowsIndex, Byte(c->index)}}, {}};
}

std::optional<Assignment> FromMedia(const Page& page, std::optional<Choice> c) {
  if (!c) return std::nullopt;
  return Assignment{Prefixed(page.language, kSlotMultimedia, c->text), {{uirec::kMediaIndex, Byte(c->index)}}, {}};
}

std::optional<Assignment> FromHotKey(const Page&, std::optional<Choice> c) {
  if (!c) return std::nullopt;
  return Assignment{c->text, {{uirec::kHotKeyIndex, Byte(c->index)}}, {}};
}

std::optional<Assignment> FromFire(const Page& page, std::optional<FireChoice> c) {
  if (!c) return std::nullopt;
  return Assignment{Prefixed(page.language, kSlotFireKey, FireTargetText(c->target)),
                    {{uirec::kFireTargetIndex, Byte(c->target)},
                     {uirec::kFireTargetCode, FireTargetToCode(c->target)},
                     {uirec::kFireTimes, c->times}},
                    {{uirec::kFireMakeTime, c->makeTime}, {uirec::kFireBreakTime, c->breakTime}}};
}

std::optional<Assignment> FromSingle(const Page& page, std::optional<SingleKey> key) {
  if (!key) return std::nullopt;
  return Assignment{Prefixed(page.language, kSlotSingleKey, key->name), {{uirec::kSingleKeyUsage, key->usage}}, {}};
}

std::optional<Assignment> FromSnipe(const Page& page, std::optional<Choice> c) {
  if (!c) return std::nullopt;
  return Assignment{Prefixed(page.language, kSlotSnipeKey, c->text),
                    {{uirec::kSnipeIndex, Byte(c->index)}},
                    {{uirec::kSnipeDpiCode, DpiCode(page.dpiSelector, c->index, true)}}};
}

// Runs the pick's sub-dialog, if it has one; none when the dialog was not confirmed.
std::optional<Assignment> Run(const Page& page, KeyFunctionType type, KeyDialogs& dialogs) {
  switch (type) {
    case KeyFunctionType::Windows: return FromWindows(page, dialogs.RunWindows());
    case KeyFunctionType::Multimedia: return FromMedia(page, dialogs.RunMedia());
    case KeyFunctionType::HotKey: return FromHotKey(page, dialogs.RunHotKey());
    case KeyFunctionType::FireKey: return FromFire(page, dialogs.RunFire());
    case KeyFunctionType::SingleKey: return FromSingle(page, dialogs.RunSingle());
    case KeyFunctionType::SnipeKey: return FromSnipe(page, dialogs.RunSnipe());
    default: return Assignment{std::u16string(KeyListEntry(page.language, static_cast<int>(type))), {}, {}};
  }
}

std::u16string& NameOf(Page& page, KeyMode mode, int key) {
  return page.keyNames[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)];
}

void CloseList(int key, PageControls& controls) {
  if (controls.Exists(KeyListId(key))) controls.Destroy(KeyListId(key));
}

void AssignShift(Page& page, int key) {
  if (!ShiftFreeFor(page.record, key)) return;
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    page.record.Key(uirec::kFunctionType, mode, key) = static_cast<uint8_t>(KeyFunctionType::Shift);
    NameOf(page, mode, key) = Text(page.language, kSlotShift);
  }
}

void StoreInMode(Page& page, KeyMode mode, int key, KeyFunctionType type, const Assignment& assignment) {
  page.record.Key(uirec::kFunctionType, mode, key) = static_cast<uint8_t>(type);
  for (const auto& [field, value] : assignment.keyFields) page.record.Key(field, mode, key) = value;
  NameOf(page, mode, key) = assignment.name;
}

void Store(Page& page, int key, KeyFunctionType type, const Assignment& assignment) {
  for (KeyMode mode : ModesOfNewFunction(page.record, key)) StoreInMode(page, mode, key, type, assignment);
  for (const auto& [offset, value] : assignment.globalFields) page.record[offset] = value;
}

}  // namespace

void AssignKeyFunction(Page& page, int key, PageControls& controls, KeyDialogs& dialogs) {
  if (key < 1 || key > kKeysPerMode) return;
  const std::optional<int> selection = controls.Selection(KeyListId(key));
  if (!selection || *selection < 0 || *selection >= kKeyFunctionTypeCount || *selection == kDpiSwitchEntry) return;
  const auto type = static_cast<KeyFunctionType>(*selection);
  if (type == KeyFunctionType::Shift) {
    AssignShift(page, key);
  } else if (const std::optional<Assignment> assignment = Run(page, type, dialogs)) {
    Store(page, key, type, *assignment);
  }
  CloseList(key, controls);
}

}  // namespace qv
