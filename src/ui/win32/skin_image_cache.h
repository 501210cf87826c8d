#pragma once
// Decoded, premultiplied skin images kept between paints, so a paint blends instead of
// decoding every file again. Dropped whole when the skin folder or the scale changes.
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "ui/display_scale.h"
#include "ui/win32/skin_image.h"

namespace qv::win {

// Owns its bitmaps; one per process or per window, used on the UI thread.
class SkinImageCache {
 public:
  // The image skinFolder + imageName, decoded on first use. Null when it cannot be
  // decoded; a failure is not kept, so a file that appears later is found.
  const PremultipliedImage* Find(std::u16string_view skinFolder, std::u16string_view imageName);
  // The image made for `scale` to be drawn at the skin point (x, y): decoded and resampled
  // once per size it takes on the screen (a position may round its size a pixel either
  // way), never per paint. At 100 % the same as Find.
  const PremultipliedImage* Find(std::u16string_view skinFolder, std::u16string_view imageName, DisplayScale scale,
                                 int x, int y);
  void Clear();

 private:
  struct Scaled {
    int skinWidth = 0;
    int skinHeight = 0;
    std::map<std::pair<int, int>, PremultipliedImage> bySize;  // screen width, height
  };
  void Take(std::u16string_view skinFolder, DisplayScale scale);
  const PremultipliedImage* FindNatural(std::u16string_view imageName);

  std::u16string folder_;
  DisplayScale scale_;
  std::map<std::u16string, PremultipliedImage, std::less<>> images_;
  std::map<std::u16string, Scaled, std::less<>> scaled_;
};

}  // namespace qv::win
