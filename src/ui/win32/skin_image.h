#pragma once
// Decoding a skin PNG into a 32-bit GDI bitmap. Every PNG kind (RGBA, RGB, palette, grey)
// becomes the same B, G, R, A bytes: the decoder's own idea of the format is never used.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "common/win32/handles.h"
#include "ui/display_scale.h"

namespace qv::win {

struct DecodedImage {
  UniqueBitmap bitmap;  // 32-bit top-down DIB section, straight alpha
  int width = 0;
  int height = 0;
};

// Ready for AlphaBlend with AC_SRC_ALPHA: B, G and R already multiplied by A.
struct PremultipliedImage {
  UniqueBitmap bitmap;  // 32-bit top-down DIB section
  int width = 0;
  int height = 0;
  bool opaque = false;  // every pixel's A is 255: copied, not blended (known for scaled images)
};

// An empty bitmap when the file is missing or not an image, or GDI+ is not running.
DecodedImage DecodeSkinImage(const std::u16string& path);
PremultipliedImage DecodePremultiplied(const std::u16string& path);

// A skin image made for a display scale: its size in skin pixels and its pixels for the
// screen rectangle that size covers.
struct ScaledImage {
  PremultipliedImage pixels;  // straight alpha when asked for (a window's canvas)
  int skinWidth = 0;
  int skinHeight = 0;
};

enum class Alpha { Straight, Premultiplied };

// The image folder + imageName for drawing with its top-left corner at the skin point
// (x, y): from the sharpest source ImageSourcesFor names that exists, resampled with
// high-quality filtering to the width and height ToScreen gives its rectangle there. An
// empty bitmap when no source decodes.
ScaledImage DecodeScaled(std::u16string_view folder, std::u16string_view imageName, DisplayScale scale, int x, int y,
                         Alpha alpha);

// Pixels as 0xAARRGGBB (B, G, R, A in memory): each colour byte becomes value x A / 255,
// rounded down; A is unchanged.
void Premultiply(std::span<uint32_t> pixels);

}  // namespace qv::win
