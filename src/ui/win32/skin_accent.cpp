#include "ui/win32/skin_accent.h"

#include <cstdint>
#include <string>

#include "ui/page_images.h"
#include "ui/win32/skin_image.h"

namespace qv::win {

Rgb SkinAccent(std::u16string_view skinFolder, std::optional<Rgb> named, Rgb fallback) {
  if (named) return *named;
  const DecodedImage image = DecodeSkinImage(std::u16string(skinFolder) + std::u16string(image::kRateLight));
  DIBSECTION section{};
  if (!image.bitmap || GetObjectW(image.bitmap.get(), sizeof(section), &section) != sizeof(section) ||
      !section.dsBm.bmBits) {
    return fallback;
  }
  const auto* pixels = static_cast<const uint32_t*>(section.dsBm.bmBits);  // top-down B, G, R, A
  const uint32_t pixel = pixels[(image.height / 2) * image.width + image.width / 2];
  if ((pixel >> 24) == 0) return fallback;  // a transparent middle says nothing
  return Rgb{static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel)};
}

}  // namespace qv::win
