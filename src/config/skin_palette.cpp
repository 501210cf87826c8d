#include "config/skin_palette.h"

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

}  // namespace

std::optional<Rgb> RecommendedTextColour(ProfileStore& store, std::u16string_view skinFolder) {
  const std::u16string file = std::u16string(skinFolder) + std::u16string(kSkinPaletteFile);
  const auto red = Component(store.Get(file, kSkinSection, u"RColor"));
  const auto green = Component(store.Get(file, kSkinSection, u"GColor"));
  const auto blue = Component(store.Get(file, kSkinSection, u"BColor"));
  if (!red || !green || !blue) return std::nullopt;
  return Rgb{*red, *green, *blue};
}

}  // namespace qv
