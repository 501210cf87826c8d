#include "keyassign/assign_key_function.h"

#include <array>
#include <utility>
#include <vector>

#include "common/text.h"
#include "keyassign/key_captions.h"
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

// What the key holds, for its dialog to open on.
int Current(const Page& page, int key, size_t field) {
  return page.record.Key(field, page.record.ShownMode(), key);
}

FireChoice CurrentFire(const Page& page, int key) {
  return FireChoice{Current(page, key, uirec::kFireTargetIndex), static_cast<uint8_t>(Current(page, key, uirec::kFireTimes)),
                    page.record[uirec::kFireMakeTime], page.record[uirec::kFireBreakTime]};
}

// The key's captured name as its box shows it, else the table's name of its usage; none
// for a key that is not a single key.
SingleKey CurrentSingle(const Page& page, int key) {
  const KeyMode mode = page.record.ShownMode();
  if (page.record.Key(uirec::kFunctionType, mode, key) != static_cast<uint8_t>(KeyFunctionType::SingleKey)) return {};
  const auto usage = static_cast<uint8_t>(Current(page, key, uirec::kSingleKeyUsage));
  const std::u16string prefix = Prefixed(page.language, kSlotSingleKey, u"");
  const std::u16string& name = page.keyNames[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)];
  if (name.size() > prefix.size() && name.starts_with(prefix)) return SingleKey{name.substr(prefix.size()), usage};
  return SingleKey{std::u16string(UsageToKeyName(usage)), usage};
}

// The one snipe DPI the mouse has, else the key's own entry.
int CurrentSnipe(const Page& page, int key) {
  const int shared = DpiIndexOfCode(page.dpiSelector, page.record[uirec::kSnipeDpiCode]);
  return shared >= 0 ? shared : Current(page, key, uirec::kSnipeIndex);
}

// Runs the pick's sub-dialog, if it has one; none when the dialog was not confirmed.
std::optional<Assignment> Run(const Page& page, int key, KeyFunctionType type, KeyDialogs& dialogs) {
  switch (type) {
    case KeyFunctionType::Windows: return FromWindows(page, dialogs.RunWindows(Current(page, key, uirec::kWindowsIndex)));
    case KeyFunctionType::Multimedia: return FromMedia(page, dialogs.RunMedia(Current(page, key, uirec::kMediaIndex)));
    case KeyFunctionType::HotKey: return FromHotKey(page, dialogs.RunHotKey(Current(page, key, uirec::kHotKeyIndex)));
    case KeyFunctionType::FireKey: return FromFire(page, dialogs.RunFire(CurrentFire(page, key)));
    case KeyFunctionType::SingleKey: return FromSingle(page, dialogs.RunSingle(CurrentSingle(page, key)));
    case KeyFunctionType::SnipeKey: return FromSnipe(page, dialogs.RunSnipe(CurrentSnipe(page, key)));
    default: return Assignment{std::u16string(KeyListEntry(page.language, static_cast<int>(type))), {}, {}};
  }
}

std::u16string& NameOf(Page& page, KeyMode mode, int key) {
  return page.keyNames[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)];
}

void CloseList(int key, PageControls& controls) {
  if (controls.Exists(KeyListId(key))) controls.Destroy(KeyListId(key));
}

constexpr LanguageText kShiftSet{
    u"Key %1 is now Shift in Mode A and in Mode B: Shift switches between the modes, so it lives on one key in both.",
    u"按键%1已在模式A和模式B中都设为Shift：Shift用于切换模式，所以它同时设置在两个模式的同一个按键上。",
    u"按鍵%1已在模式A和模式B中都設為Shift：Shift用於切換模式，所以它同時設置在兩個模式的同一個按鍵上。"};
constexpr LanguageText kShiftTaken{
    u"Key %1 is already Shift, and only one key can be. Give key %1 another function first.",
    u"按键%1已经是Shift，只能有一个按键设为Shift。请先为按键%1选择其他功能。",
    u"按鍵%1已經是Shift，只能有一個按鍵設為Shift。請先為按鍵%1選擇其他功能。"};

std::u16string WithKey(std::u16string_view text, int key) {
  std::u16string out(text);
  const std::u16string number = DecimalText(key);
  for (size_t at = out.find(u"%1"); at != std::u16string::npos; at = out.find(u"%1", at + number.size())) {
    out.replace(at, 2, number);
  }
  return out;
}

// The other key that holds Shift in either mode, if any.
std::optional<int> ShiftKeyOtherThan(const UiRecord& record, int key) {
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int other = 1; other <= kKeysPerMode; ++other) {
      if (other != key && record.Key(uirec::kFunctionType, mode, other) == kShiftEntry) return other;
    }
  }
  return std::nullopt;
}

AssignNotice AssignShift(Page& page, int key) {
  if (const std::optional<int> holder = ShiftKeyOtherThan(page.record, key)) {
    return AssignNotice{WithKey(kShiftTaken[page.language], *holder), kWarningCaption[page.language]};
  }
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    page.record.Key(uirec::kFunctionType, mode, key) = static_cast<uint8_t>(KeyFunctionType::Shift);
    NameOf(page, mode, key) = Text(page.language, kSlotShift);
  }
  return AssignNotice{WithKey(kShiftSet[page.language], key), kInfoCaption[page.language]};
}

// The mouse has one snipe DPI: every snipe key of both modes names the new one.
void RenameSnipeKeys(Page& page) {
  const int index = DpiIndexOfCode(page.dpiSelector, page.record[uirec::kSnipeDpiCode]);
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kSentKeyCount; ++key) {
      if (page.record.Key(uirec::kFunctionType, mode, key) != static_cast<uint8_t>(KeyFunctionType::SnipeKey)) continue;
      if (index >= 0) page.record.Key(uirec::kSnipeIndex, mode, key) = static_cast<uint8_t>(index);
      NameOf(page, mode, key) = KeyCaption(page.record, mode, key, page.language, page.dpiSelector);
    }
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

std::optional<AssignNotice> AssignKeyFunction(Page& page, int key, PageControls& controls, KeyDialogs& dialogs) {
  if (key < 1 || key > kKeysPerMode) return std::nullopt;
  const std::optional<int> selection = controls.Selection(KeyListId(key));
  if (!selection || *selection < 0 || *selection >= kKeyFunctionTypeCount || *selection == kDpiSwitchEntry) {
    return std::nullopt;
  }
  const auto type = static_cast<KeyFunctionType>(*selection);
  std::optional<AssignNotice> notice;
  if (type == KeyFunctionType::Shift) {
    notice = AssignShift(page, key);
  } else if (const std::optional<Assignment> assignment = Run(page, key, type, dialogs)) {
    Store(page, key, type, *assignment);
    if (type == KeyFunctionType::SnipeKey) RenameSnipeKeys(page);
  }
  CloseList(key, controls);
  return notice;
}

}  // namespace qv
