#include "keyassign/key_decode.h"

#include <array>

namespace qv {
namespace {

constexpr uint8_t kConsumerEntries = 16;
constexpr uint8_t kMediaCount = kWindowsCodeBase;  // consumer entries 0..6

struct FixedPair {
  KeyCode code;
  KeyFunctionType type;
};

// Assignments without a parameter: their pair is the whole encoding.
constexpr std::array<FixedPair, 8> kFixedPairs = {{
    {{kButtonLeft, kKeyTypeButtonOrKey}, KeyFunctionType::LeftClick},
    {{kButtonRight, kKeyTypeButtonOrKey}, KeyFunctionType::RightClick},
    {{kButtonMiddle, kKeyTypeButtonOrKey}, KeyFunctionType::MidClick},
    {{kButtonForward, kKeyTypeButtonOrKey}, KeyFunctionType::Forward},
    {{kButtonBackward, kKeyTypeButtonOrKey}, KeyFunctionType::Backward},
    {{kSpecialSnipe, kKeyTypeSpecial}, KeyFunctionType::SnipeKey},
    {{kSpecialModeSwitch, kKeyTypeSpecial}, KeyFunctionType::Shift},
    {{0x00, kKeyTypeButtonOrKey}, KeyFunctionType::KeyOff},
}};

std::optional<DecodedKey> DecodeConsumer(uint8_t code) {
  if (code < kMediaCount) return DecodedKey{KeyFunctionType::Multimedia, code, 0};
  if (code < kConsumerEntries) return DecodedKey{KeyFunctionType::Windows, static_cast<uint8_t>(code - kWindowsCodeBase), 0};
  if (code < kHotKeyCodeBase + kHotKeys.size()) {
    return DecodedKey{KeyFunctionType::HotKey, static_cast<uint8_t>(code - kHotKeyCodeBase), 0};
  }
  return std::nullopt;
}

}  // namespace

std::optional<DecodedKey> DecodeKeyAssignment(KeyCode code) {
  for (const FixedPair& pair : kFixedPairs) {
    if (pair.code == code) return DecodedKey{pair.type, 0, 0};
  }
  if ((code.type & kKeyTypeFireBit) != 0) {
    if (FireTargetIndexOfCode(code.code) < 0) return std::nullopt;
    return DecodedKey{KeyFunctionType::FireKey, code.code, static_cast<uint8_t>(code.type & ~kKeyTypeFireBit)};
  }
  switch (code.type) {
    case kKeyTypeButtonOrKey:
      if (UsageToKeyName(code.code).empty()) return std::nullopt;
      return DecodedKey{KeyFunctionType::SingleKey, code.code, 0};
    case kKeyTypeConsumerEntry: return DecodeConsumer(code.code);
    case kKeyTypeSpecial:
      if (code.code == kDpiUp || code.code == kDpiDown || code.code == kDpiLoop) {
        return DecodedKey{KeyFunctionType::DpiSwitch, code.code, 0};
      }
      return std::nullopt;
    default: return std::nullopt;
  }
}

int FireTargetIndexOfCode(uint8_t code) {
  for (int index = 0; index < kFireTargetCount; ++index) {
    if (FireTargetToCode(index) == code) return index;
  }
  return -1;
}

}  // namespace qv
