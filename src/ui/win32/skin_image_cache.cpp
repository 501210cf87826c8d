#include "ui/win32/skin_image_cache.h"

namespace qv::win {

const PremultipliedImage* SkinImageCache::Find(std::u16string_view skinFolder, std::u16string_view imageName) {
  if (skinFolder != folder_) {
    Clear();
    folder_ = skinFolder;
  }
  if (auto found = images_.find(imageName); found != images_.end()) return &found->second;
  PremultipliedImage image = DecodePremultiplied(folder_ + std::u16string(imageName));
  if (!image.bitmap) return nullptr;
  return &images_.emplace(std::u16string(imageName), std::move(image)).first->second;
}

void SkinImageCache::Clear() {
  images_.clear();
  folder_.clear();
}

}  // namespace qv::win
