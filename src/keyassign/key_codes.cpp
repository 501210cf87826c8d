#include "keyassign/key_codes.h"

namespace qv {
namespace {

uint8_t Plus(uint8_t a, uint8_t b) { return static_cast<uint8_t>(a + b); }

struct FireTarget {
  std::u16string_view text;
  uint8_t code;
};

constexpr std::array<FireTarget, kFireTargetCount> kFireTargets = {{
    {u"L-Button", 0xF0}, {u"R-Button", 0xF1}, {u"M-Button", 0xF2}, {u"B4-Button", 0xF3},
    {u"B5-Button", 0xF4},
    {u"A", 0x04}, {u"B", 0x05}, {u"C", 0x06}, {u"D", 0x07}, {u"E", 0x08}, {u"F", 0x09},
    {u"G", 0x0A}, {u"H", 0x0B}, {u"I", 0x0C}, {u"J", 0x0D}, {u"K", 0x0E}, {u"L", 0x0F},
    {u"M", 0x10}, {u"N", 0x11}, {u"O", 0x12}, {u"P", 0x13}, {u"Q", 0x14}, {u"R", 0x15},
    {u"S", 0x16}, {u"T", 0x17}, {u"U", 0x18}, {u"V", 0x19}, {u"W", 0x1A}, {u"X", 0x1B},
    {u"Y", 0x1C}, {u"Z", 0x1D},
    {u"1", 0x1E}, {u"2", 0x1F}, {u"3", 0x20}, {u"4", 0x21}, {u"5", 0x22}, {u"6", 0x23},
    {u"7", 0x24}, {u"8", 0x25}, {u"9", 0x26}, {u"0", 0x27},
    {u"L-CTRL", 0xE0}, {u"L-SHIFT", 0xE1}, {u"L-ALT", 0xE2}, {u"R-CTRL", 0xE4},
    {u"R-SHIFT", 0xE5}, {u"R-ALT", 0xE6},
    {u"F1", 0x3A}, {u"F2", 0x3B}, {u"F3", 0x3C}, {u"F4", 0x3D}, {u"F5", 0x3E}, {u"F6", 0x3F},
    {u"F7", 0x40}, {u"F8", 0x41}, {u"F9", 0x42}, {u"F10", 0x43}, {u"F11", 0x44}, {u"F12", 0x45},
}};

const FireTarget* FireTargetAt(int index) {
  if (index < 0 || index >= kFireTargetCount) return nullptr;
  return &kFireTargets[static_cast<size_t>(index)];
}

}  // namespace

KeyCode EncodeKeyAssignment(const UiRecord& record, KeyMode mode, int key) {
  const auto field = [&](size_t offset) { return record.Key(offset, mode, key); };
  switch (static_cast<KeyFunctionType>(field(uirec::kFunctionType))) {
    case KeyFunctionType::LeftClick: return {kButtonLeft, kKeyTypeButtonOrKey};
    case KeyFunctionType::RightClick: return {kButtonRight, kKeyTypeButtonOrKey};
    case KeyFunctionType::MidClick: return {kButtonMiddle, kKeyTypeButtonOrKey};
    case KeyFunctionType::Forward: return {kButtonForward, kKeyTypeButtonOrKey};
    case KeyFunctionType::Backward: return {kButtonBackward, kKeyTypeButtonOrKey};
    case KeyFunctionType::DpiSwitch: return {field(uirec::kDpiSubFunction), kKeyTypeSpecial};
    case KeyFunctionType::Windows: return {Plus(field(uirec::kWindowsIndex), kWindowsCodeBase), kKeyTypeConsumerEntry};
    case KeyFunctionType::Multimedia: return {field(uirec::kMediaIndex), kKeyTypeConsumerEntry};
    case KeyFunctionType::HotKey: return {Plus(field(uirec::kHotKeyIndex), kHotKeyCodeBase), kKeyTypeConsumerEntry};
    case KeyFunctionType::FireKey: return {field(uirec::kFireTargetCode), Plus(field(uirec::kFireTimes), kKeyTypeFireBit)};
    case KeyFunctionType::SingleKey: return {field(uirec::kSingleKeyUsage), kKeyTypeButtonOrKey};
    case KeyFunctionType::SnipeKey: return {kSpecialSnipe, kKeyTypeSpecial};
    case KeyFunctionType::Shift: return {kSpecialModeSwitch, kKeyTypeSpecial};
    case KeyFunctionType::KeyOff: break;
  }
  return {};  // Key Off, and any type a damaged record may hold
}

std::optional<size_t> KeyTableSlot(KeyMode mode, int key) {
  if (key < 1 || key > kSentKeyCount) return std::nullopt;
  if (key < kSentKeyCount) return static_cast<size_t>(key - 1);
  return mode == KeyMode::A ? size_t{5} : size_t{4};  // the firmware's place for the fourth key
}

std::u16string_view FireTargetText(int index) {
  const FireTarget* target = FireTargetAt(index);
  return target != nullptr ? target->text : std::u16string_view{};
}

uint8_t FireTargetToCode(int index) {
  const FireTarget* target = FireTargetAt(index);
  return target != nullptr ? target->code : 0;
}

}  // namespace qv
