#pragma once
// Decoding a skin PNG into a GDI bitmap the window can keep as its canvas.
#include <windows.h>

#include <string>

#include "common/win32/handles.h"

namespace qv::win {

struct DecodedImage {
  UniqueBitmap bitmap;  // 32-bit top-down DIB section, straight alpha
  int width = 0;
  int height = 0;
};

// An empty bitmap when the file is missing or not an image, or GDI+ is not running.
DecodedImage DecodeSkinImage(const std::u16string& path);

}  // namespace qv::win
