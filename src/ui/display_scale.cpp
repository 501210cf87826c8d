#include "ui/display_scale.h"

namespace qv {
namespace {

// Floor division for either sign: a pointer held outside the window has negative
// coordinates.
constexpr int FloorDiv(long long numerator, long long denominator) {
  const long long quotient = numerator / denominator;
  return static_cast<int>((numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient);
}

struct Variant {
  std::u16string_view suffix;
  int percent;
};
// Sharper first: a variant drawn above the scale is shrunk, which keeps it sharp.
constexpr Variant kVariants[] = {{u"@1.5x", 150}, {u"@2x", 200}};

std::u16string WithSuffix(std::u16string_view imageName, std::u16string_view suffix) {
  const size_t dot = imageName.rfind(u'.');
  if (dot == std::u16string_view::npos) return std::u16string(imageName) + std::u16string(suffix);
  std::u16string name(imageName.substr(0, dot));
  name += suffix;
  name += imageName.substr(dot);
  return name;
}

}  // namespace

int ToScreen(int skin, DisplayScale scale) {
  return FloorDiv(2LL * skin * scale.dpi + kSkinDpi, 2LL * kSkinDpi);
}

layout::Rect ToScreen(const layout::Rect& skin, DisplayScale scale) {
  return {ToScreen(skin.left, scale), ToScreen(skin.top, scale), ToScreen(skin.right, scale),
          ToScreen(skin.bottom, scale)};
}

int LengthToScreen(int skin, DisplayScale scale) { return ToScreen(skin, scale); }

int ToSkin(int screen, DisplayScale scale) {
  // The largest x with ToScreen(x) <= screen: x * dpi < 96 * screen + 48, solved from
  // ToScreen's own rounding.
  return FloorDiv(1LL * kSkinDpi * screen + kSkinDpi / 2 - 1, scale.dpi);
}

layout::Rect ToSkin(const layout::Rect& screen, DisplayScale scale) {
  return {ToSkin(screen.left, scale), ToSkin(screen.top, scale), ToSkin(screen.right, scale),
          ToSkin(screen.bottom, scale)};
}

ImageSources ImageSourcesFor(std::u16string_view imageName, DisplayScale scale) {
  ImageSources out;
  if (!scale.IsNatural()) {
    const int percent = scale.dpi * 100 / kSkinDpi;
    for (const Variant& variant : kVariants) {
      if (variant.percent >= percent || &variant == &kVariants[std::size(kVariants) - 1]) {
        out.sources[static_cast<size_t>(out.count++)] = {WithSuffix(imageName, variant.suffix), variant.percent};
      }
    }
  }
  out.sources[static_cast<size_t>(out.count++)] = {std::u16string(imageName), 100};
  return out;
}

int SkinLengthOf(int pixels, int percent) { return FloorDiv(2LL * pixels * 100 + percent, 2LL * percent); }

}  // namespace qv
