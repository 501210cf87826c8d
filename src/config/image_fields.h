#pragma once
// Turning the UI state record into the fields of the configuration image. Each writer
// touches only its own fields; every other byte keeps what the mouse sent.
#include <cstdint>

#include "model/config_image.h"

namespace qv {

// The consumer usage table (block-set 224..255) and the hot-key table (304..319).
void WriteFixedTables(ConfigImage& image);

// Lighting mode and its parameters; Off changes only the mode byte.
void WriteLighting(const UiRecord& record, ConfigImage& image);

// A stage counts (and its colour is packed) only when its enabled byte is exactly 1.
bool StageCounts(const UiRecord& record, int stage);

// Zeroes block-set 280..303, then appends the colours of the counted stages in order.
void PackStageColours(const UiRecord& record, ConfigImage& image);

// Number of counted stages into block-set 198.
void WriteEnabledStageCount(const UiRecord& record, ConfigImage& image);

// The codes of stages 1..4; any non-zero enabled byte clears bit 7.
void WriteStageCodes(const UiRecord& record, int dpiSelector, ConfigImage& image);

// Keys 1..4 of both modes into their slots, Mode A key k then Mode B key k.
void WriteKeyTables(const UiRecord& record, ConfigImage& image);

}  // namespace qv
