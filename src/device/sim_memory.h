#pragma once
// The simulated mouse's configuration memory: laid out like the configuration image, two
// status bytes and the 320-byte block set.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "model/config_image.h"

namespace qv {

using SimMemory = std::array<uint8_t, kImageSize>;

// What a fresh mouse holds: 1000 Hz, DPI table 0 with four enabled stages, standard
// lighting, the usual buttons, and firmware bytes of its own in blocks 1 and 2.
SimMemory DefaultSimMemory();

// Stored bytes are taken only when they are exactly one memory long.
std::optional<SimMemory> MemoryFromStored(std::span<const uint8_t> stored);

}  // namespace qv
