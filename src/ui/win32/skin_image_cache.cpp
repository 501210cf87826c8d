#include "ui/win32/skin_image_cache.h"

namespace qv::win {

void SkinImageCache::Take(std::u16string_view skinFolder, DisplayScale scale) {
  if (skinFolder == folder_ && scale == scale_) return;
  Clear();
  folder_ = skinFolder;
  scale_ = scale;
}

const PremultipliedImage* SkinImageCache::Find(std::u16string_view skinFolder, std::u16string_view imageName) {
  return Find(skinFolder, imageName, DisplayScale{}, 0, 0);
}

const PremultipliedImage* SkinImageCache::FindNatural(std::u16string_view imageName) {
  if (auto found = images_.find(imageName); found != images_.end()) return &found->second;
  PremultipliedImage image = DecodePremultiplied(folder_ + std::u16string(imageName));
  if (!image.bitmap) return nullptr;
  return &images_.emplace(std::u16string(imageName), std::move(image)).first->second;
}

const PremultipliedImage* SkinImageCache::Find(std::u16string_view skinFolder, std::u16string_view imageName,
                                               DisplayScale scale, int x, int y) {
  Take(skinFolder, scale);
  if (scale.IsNatural()) return FindNatural(imageName);
  auto found = scaled_.find(imageName);
  if (found != scaled_.end()) {
    const Scaled& known = found->second;
    const layout::Rect screen = ToScreen(layout::Rect{x, y, x + known.skinWidth, y + known.skinHeight}, scale);
    if (auto size = known.bySize.find({screen.Width(), screen.Height()}); size != known.bySize.end()) {
      return &size->second;
    }
  }
  ScaledImage image = DecodeScaled(folder_, imageName, scale, x, y, Alpha::Premultiplied);
  if (!image.pixels.bitmap) return nullptr;
  Scaled& entry = found != scaled_.end() ? found->second : scaled_[std::u16string(imageName)];
  entry.skinWidth = image.skinWidth;
  entry.skinHeight = image.skinHeight;
  const std::pair<int, int> size{image.pixels.width, image.pixels.height};
  return &entry.bySize.insert_or_assign(size, std::move(image.pixels)).first->second;
}

void SkinImageCache::Clear() {
  images_.clear();
  scaled_.clear();
  folder_.clear();
}

}  // namespace qv::win
