#include "ui/win32/skin_image.h"

#include <gdiplus.h>

#include <memory>

#include "common/win32/wide.h"
#include "ui/win32/gdiplus_session.h"

namespace qv::win {
namespace {

// An image object: a GDI+ bitmap and the hold that keeps GDI+ running under it. The
// bitmap goes first, the hold last.
struct GdiplusImage {
  GdiplusHold hold = GdiplusHold::Join();
  std::unique_ptr<Gdiplus::Bitmap> bitmap;
};

struct DibSection {
  UniqueBitmap bitmap;
  uint32_t* pixels = nullptr;
};

DibSection CreateTopDownDib(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like the locked rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  DibSection dib{UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0))};
  if (dib.bitmap && bits) dib.pixels = static_cast<uint32_t*>(bits);
  return dib;
}

// Locking as 32bppARGB into our own rows gives straight alpha whatever the file's kind.
bool CopyPixels(Gdiplus::Bitmap& source, int width, int height, uint32_t* pixels) {
  Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData locked{};
  locked.Width = static_cast<UINT>(width);
  locked.Height = static_cast<UINT>(height);
  locked.Stride = width * 4;
  locked.PixelFormat = PixelFormat32bppARGB;
  locked.Scan0 = pixels;
  const UINT mode = Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf;
  if (source.LockBits(&all, mode, PixelFormat32bppARGB, &locked) != Gdiplus::Ok) return false;
  return source.UnlockBits(&locked) == Gdiplus::Ok;
}

struct Decoded {
  DibSection dib;
  int width = 0;
  int height = 0;
};

Decoded Decode(const std::u16string& path) {
  GdiplusImage image;
  if (!image.hold) return {};
  image.bitmap = std::make_unique<Gdiplus::Bitmap>(W(path));
  if (image.bitmap->GetLastStatus() != Gdiplus::Ok) return {};
  const int width = static_cast<int>(image.bitmap->GetWidth());
  const int height = static_cast<int>(image.bitmap->GetHeight());
  if (width <= 0 || height <= 0) return {};
  Decoded result{CreateTopDownDib(width, height), width, height};
  if (!result.dib.pixels || !CopyPixels(*image.bitmap, width, height, result.dib.pixels)) return {};
  return result;
}

}  // namespace

DecodedImage DecodeSkinImage(const std::u16string& path) {
  Decoded decoded = Decode(path);
  if (!decoded.dib.pixels) return {};
  return DecodedImage{std::move(decoded.dib.bitmap), decoded.width, decoded.height};
}

PremultipliedImage DecodePremultiplied(const std::u16string& path) {
  Decoded decoded = Decode(path);
  if (!decoded.dib.pixels) return {};
  Premultiply({decoded.dib.pixels, static_cast<size_t>(decoded.width) * static_cast<size_t>(decoded.height)});
  return PremultipliedImage{std::move(decoded.dib.bitmap), decoded.width, decoded.height};
}

void Premultiply(std::span<uint32_t> pixels) {
  for (uint32_t& pixel : pixels) {
    const uint32_t alpha = pixel >> 24;
    if (alpha == 255) continue;
    const uint32_t blue = (pixel & 0xFF) * alpha / 255;
    const uint32_t green = ((pixel >> 8) & 0xFF) * alpha / 255;
    const uint32_t red = ((pixel >> 16) & 0xFF) * alpha / 255;
    pixel = (alpha << 24) | (red << 16) | (green << 8) | blue;
  }
}

}  // namespace qv::win
