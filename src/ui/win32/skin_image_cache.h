#pragma once
// Decoded, premultiplied skin images kept between paints, so a paint blends instead of
// decoding every file again. Dropped whole when the skin folder changes.
#include <map>
#include <string>
#include <string_view>

#include "ui/win32/skin_image.h"

namespace qv::win {

// Owns its bitmaps; one per process or per window, used on the UI thread.
class SkinImageCache {
 public:
  // The image skinFolder + imageName, decoded on first use. Null when it cannot be
  // decoded; a failure is not kept, so a file that appears later is found.
  const PremultipliedImage* Find(std::u16string_view skinFolder, std::u16string_view imageName);
  void Clear();

 private:
  std::u16string folder_;
  std::map<std::u16string, PremultipliedImage, std::less<>> images_;
};

}  // namespace qv::win
