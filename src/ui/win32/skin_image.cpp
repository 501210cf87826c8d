#include "ui/win32/skin_image.h"

#include <gdiplus.h>

#include <cstring>
#include <memory>

#include "common/win32/wide.h"
#include "ui/win32/gdiplus_session.h"

namespace qv::win {

DecodedImage DecodeSkinImage(const std::u16string& path) {
  DecodedImage result;
  if (!GdiplusRunning()) return result;
  auto source = std::make_unique<Gdiplus::Bitmap>(W(path));
  if (source->GetLastStatus() != Gdiplus::Ok) return result;
  const int width = static_cast<int>(source->GetWidth());
  const int height = static_cast<int>(source->GetHeight());
  if (width <= 0 || height <= 0) return result;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like the locked rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return result;

  // Locking as 32bppARGB gives straight alpha the same way on every decoder.
  Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData locked{};
  if (source->LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &locked) != Gdiplus::Ok) {
    return result;
  }
  const size_t rowBytes = static_cast<size_t>(width) * 4;
  for (int y = 0; y < height; ++y) {
    std::memcpy(static_cast<BYTE*>(bits) + rowBytes * static_cast<size_t>(y),
                static_cast<const BYTE*>(locked.Scan0) + static_cast<ptrdiff_t>(locked.Stride) * y, rowBytes);
  }
  source->UnlockBits(&locked);
  result.bitmap = std::move(bitmap);
  result.width = width;
  result.height = height;
  return result;
}

}  // namespace qv::win
