#pragma once
// What a mouse key can do and the two bytes the mouse receives for it, the fixed consumer
// and hot-key tables those bytes point into, and the two text-to-code tables: keyboard key
// names to HID keyboard usages, and rapid-fire targets to their codes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/config_image.h"

namespace qv {

// The position of a function in a key's drop-down list, stored in the record.
enum class KeyFunctionType : uint8_t {
  LeftClick = 0,
  RightClick = 1,
  MidClick = 2,
  Forward = 3,
  Backward = 4,
  DpiSwitch = 5,
  Windows = 6,
  Multimedia = 7,
  HotKey = 8,
  FireKey = 9,
  SingleKey = 10,
  SnipeKey = 11,
  KeyOff = 12,
  Shift = 13,
};
inline constexpr int kKeyFunctionTypeCount = 14;

// DPI sub-functions of DpiSwitch (record field uirec::kDpiSubFunction).
inline constexpr uint8_t kDpiUp = 3;
inline constexpr uint8_t kDpiDown = 4;
inline constexpr uint8_t kDpiLoop = 5;

// Keys 1..4 are offered and sent; keys 5..8 only live in the record.
inline constexpr int kSentKeyCount = 4;

// Type bytes of a key-table slot, and the codes the mouse gives a meaning of its own.
inline constexpr uint8_t kKeyTypeButtonOrKey = 0x00;
inline constexpr uint8_t kKeyTypeConsumerEntry = 0x02;
inline constexpr uint8_t kKeyTypeSpecial = 0x03;
inline constexpr uint8_t kKeyTypeFireBit = 0x80;  // the lower seven bits count the shots
inline constexpr uint8_t kSpecialModeSwitch = 0x06;
inline constexpr uint8_t kSpecialSnipe = 0x0A;
inline constexpr uint8_t kButtonLeft = 0xF0;
inline constexpr uint8_t kButtonRight = 0xF1;
inline constexpr uint8_t kButtonMiddle = 0xF2;
inline constexpr uint8_t kButtonBackward = 0xF3;
inline constexpr uint8_t kButtonForward = 0xF4;

// One slot of a key table on the mouse.
struct KeyCode {
  uint8_t code = 0;
  uint8_t type = 0;
  friend bool operator==(const KeyCode&, const KeyCode&) = default;
};

// The assignment of key 1..8 of a mode, from its function type and parameter fields.
KeyCode EncodeKeyAssignment(const UiRecord& record, KeyMode mode, int key);

// The slot of key 1..4 in its mode's key table; none for any other key.
std::optional<size_t> KeyTableSlot(KeyMode mode, int key);

// Consumer-page usages at block-set 224: entries 0..6 media, 7..15 Windows functions.
inline constexpr std::array<uint16_t, 16> kConsumerUsages = {
    0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA, 0x0183,
    0x018A, 0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0227,
};
inline constexpr uint8_t kWindowsCodeBase = 7;  // Windows index n is consumer entry 7 + n

// Hot keys at block-set 304: left Control with C, X, V, A, O, N, S, Z.
struct HotKeyEntry {
  uint8_t modifier;
  uint8_t key;
};
inline constexpr std::array<HotKeyEntry, 8> kHotKeys = {{
    {0xE0, 0x06}, {0xE0, 0x1B}, {0xE0, 0x19}, {0xE0, 0x04},
    {0xE0, 0x12}, {0xE0, 0x11}, {0xE0, 0x16}, {0xE0, 0x1D},
}};
inline constexpr uint8_t kHotKeyCodeBase = 16;  // hot-key entry n is code 16 + n

// The HID keyboard usage of a key name (exact, case-sensitive), 0 when not in the table.
uint8_t KeyNameToUsage(std::u16string_view name);

// The key-name table's name of a usage, empty when the table has none.
std::u16string_view UsageToKeyName(uint8_t usage);

// The HID keyboard usage of a keystroke from its message lParam (scan code in bits 16..23,
// extended-key flag in bit 24), 0 for a key the table does not know.
uint8_t ScanCodeToUsage(uint32_t lParam);

// The usage of a captured keystroke: the key-name table's for the system's name, or else
// the scan code's (Wine and foreign layouts name keys the table does not know).
uint8_t KeystrokeUsage(std::u16string_view systemName, uint32_t lParam);

// The rapid-fire target list: 59 entries.
inline constexpr int kFireTargetCount = 59;
std::u16string_view FireTargetText(int index);  // empty outside 0..58
uint8_t FireTargetToCode(int index);             // 0 outside 0..58

}  // namespace qv
