#pragma once
// Decoding a skin PNG into a 32-bit GDI bitmap. Every PNG kind (RGBA, RGB, palette, grey)
// becomes the same B, G, R, A bytes: the decoder's own idea of the format is never used.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "common/win32/handles.h"

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
};

// An empty bitmap when the file is missing or not an image, or GDI+ is not running.
DecodedImage DecodeSkinImage(const std::u16string& path);
PremultipliedImage DecodePremultiplied(const std::u16string& path);

// Pixels as 0xAARRGGBB (B, G, R, A in memory): each colour byte becomes value x A / 255,
// rounded down; A is unchanged.
void Premultiply(std::span<uint32_t> pixels);

}  // namespace qv::win
