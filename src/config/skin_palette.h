#pragma once
// A skin folder's skin.ini: the text colour the skin is drawn for, which the skins dialog
// preselects when the skin is chosen. A skin a user made without the file names none.
#include <optional>
#include <string_view>

#include "config/settings.h"
#include "ui/canvas.h"

namespace qv {

// The file inside a skin folder, appended to the folder's path as the images are.
inline constexpr std::u16string_view kSkinPaletteFile = u"/skin.ini";

// "Skin"/"RColor", "GColor", "BColor" of the folder's skin.ini, each a whole number 0..255;
// none when the file or a key is missing or a value is anything else.
std::optional<Rgb> RecommendedTextColour(ProfileStore& store, std::u16string_view skinFolder);

// "Skin"/"RAccent", "GAccent", "BAccent": the skin's accent, which marks the keyboard focus;
// none as above.
std::optional<Rgb> SkinAccent(ProfileStore& store, std::u16string_view skinFolder);

}  // namespace qv
