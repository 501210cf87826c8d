#pragma once
// The skin's accent, which marks the focus and the lists' entries. A skin names it in its
// skin.ini; a skin a user made without one has the middle of its lit report-rate segment,
// and a skin without that image the caller's fallback.
#include <optional>
#include <string_view>

#include "ui/canvas.h"

namespace qv::win {

Rgb SkinAccent(std::u16string_view skinFolder, std::optional<Rgb> named, Rgb fallback);

}  // namespace qv::win
