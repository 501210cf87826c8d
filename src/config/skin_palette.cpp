#include "config/skin_palette.h"

#include <array>
#include <string>

namespace qv {
namespace {

constexpr std::u16string_view kSkinSection = u"Skin";

// Strict, unlike str.ini's colour: a file that says something else names no colour, and the
// colour in use stays rather than turning into whatever atoi makes of it.
std::optional<uint8_t> Component(std::u16string_view text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  if (value > 255) return std::nullopt;
  return static_cast<uint8_t>(value);
}

// The colour whose red, green and blue the three keys of the folder's skin.ini hold.
std::optional<Rgb> SkinColour(ProfileStore& store, std::u16string_view skinFolder,
                              const std::array<std::u16string_view, 3>& keys) {
  const std::u16string file = std::u16string(skinFolder) + std::u16string(kSkinPaletteFile);
  const auto red = Component(store.Get(file, kSkinSection, keys[0]));
  const auto green = Component(store.Get(file, kSkinSection, keys[1]));
  const auto blue = Component(store.Get(file, kSkinSection, keys[2]));
  if (!red || !green || !blue) return std::nullopt;
  return Rgb{*red, *green, *blue};
}

}  // namespace

std::optional<Rgb> RecommendedTextColour(ProfileStore& store, std::u16string_view skinFolder) {
  return SkinColour(store, skinFolder, {u"RColor", u"GColor", u"BColor"});
}

std::optional<Rgb> SkinAccent(ProfileStore& store, std::u16string_view skinFolder) {
  return SkinColour(store, skinFolder, {u"RAccent", u"GAccent", u"BAccent"});
}

}  // namespace qv
