#pragma once
// The skin's accent, as the skin itself draws it: the middle of its lit report-rate
// segment. A skin without that image has none, and the caller's fallback stands in.
#include <string_view>

#include "ui/canvas.h"

namespace qv::win {

Rgb SkinAccent(std::u16string_view skinFolder, Rgb fallback);

}  // namespace qv::win
