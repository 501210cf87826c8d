#pragma once
// The way back from a key-table slot to the assignment it encodes, for showing what the
// mouse holds. Only the byte pairs EncodeKeyAssignment produces are recognised.
#include <cstdint>
#include <optional>

#include "keyassign/key_codes.h"

namespace qv {

struct DecodedKey {
  KeyFunctionType type = KeyFunctionType::KeyOff;
  // The parameter in the record's terms: DPI sub-function, Windows, media or hot-key index,
  // fire target code, keyboard usage; 0 for types without one.
  uint8_t parameter = 0;
  uint8_t fireTimes = 0;  // FireKey only; 0 = until the key is released
};

// Nothing for a pair no assignment encodes to (the firmware's own or a damaged table).
std::optional<DecodedKey> DecodeKeyAssignment(KeyCode code);

// The fire target list's position of a code, -1 when the list has none.
int FireTargetIndexOfCode(uint8_t code);

}  // namespace qv
