#include "ui/win32/skin_image.h"

#include <gdiplus.h>

#include <algorithm>
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

// Locking as 32bppARGB into our own rows gives straight alpha whatever the file's kind;
// 32bppPARGB gives it premultiplied.
bool CopyPixels(Gdiplus::Bitmap& source, int width, int height, uint32_t* pixels,
                Gdiplus::PixelFormat format = PixelFormat32bppARGB) {
  Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData locked{};
  locked.Width = static_cast<UINT>(width);
  locked.Height = static_cast<UINT>(height);
  locked.Stride = width * 4;
  locked.PixelFormat = format;
  locked.Scan0 = pixels;
  const UINT mode = Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf;
  if (source.LockBits(&all, mode, format, &locked) != Gdiplus::Ok) return false;
  return source.UnlockBits(&locked) == Gdiplus::Ok;
}

std::unique_ptr<Gdiplus::Bitmap> OpenFile(const std::u16string& path) {
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(W(path));
  if (bitmap->GetLastStatus() != Gdiplus::Ok || bitmap->GetWidth() == 0 || bitmap->GetHeight() == 0) return nullptr;
  return bitmap;
}

// The source drawn onto a premultiplied bitmap of the target size. Edge pixels are
// mirrored outwards, so the filter does not darken a border with the transparent
// outside.
std::unique_ptr<Gdiplus::Bitmap> Resample(Gdiplus::Bitmap& source, int width, int height) {
  auto target = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
  if (target->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics graphics(target.get());
  graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  Gdiplus::ImageAttributes edges;
  edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  const auto sourceWidth = static_cast<Gdiplus::REAL>(source.GetWidth());
  const auto sourceHeight = static_cast<Gdiplus::REAL>(source.GetHeight());
  const Gdiplus::RectF to(0, 0, static_cast<Gdiplus::REAL>(width), static_cast<Gdiplus::REAL>(height));
  if (graphics.DrawImage(&source, to, 0, 0, sourceWidth, sourceHeight, Gdiplus::UnitPixel, &edges) != Gdiplus::Ok) {
    return nullptr;
  }
  return target;
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
  return PremultipliedImage{std::move(decoded.dib.bitmap), decoded.width, decoded.height, false};
}

ScaledImage DecodeScaled(std::u16string_view folder, std::u16string_view imageName, DisplayScale scale, int x, int y,
                         Alpha alpha) {
  GdiplusHold hold = GdiplusHold::Join();
  if (!hold) return {};
  const ImageSources sources = ImageSourcesFor(imageName, scale);
  for (int i = 0; i < sources.count; ++i) {
    const ImageSource& source = sources.sources[static_cast<size_t>(i)];
    std::unique_ptr<Gdiplus::Bitmap> file = OpenFile(std::u16string(folder) + source.name);
    if (!file) continue;
    ScaledImage out;
    out.skinWidth = SkinLengthOf(static_cast<int>(file->GetWidth()), source.percent);
    out.skinHeight = SkinLengthOf(static_cast<int>(file->GetHeight()), source.percent);
    const layout::Rect screen = ToScreen(layout::Rect{x, y, x + out.skinWidth, y + out.skinHeight}, scale);
    const int width = screen.Width(), height = screen.Height();
    if (width <= 0 || height <= 0) return {};
    // A source drawn for exactly this size is taken pixel for pixel.
    const bool exact = file->GetWidth() == static_cast<UINT>(width) && file->GetHeight() == static_cast<UINT>(height);
    std::unique_ptr<Gdiplus::Bitmap> resampled = exact ? nullptr : Resample(*file, width, height);
    Gdiplus::Bitmap* pixels = exact ? file.get() : resampled.get();
    DibSection dib = CreateTopDownDib(width, height);
    const auto format = alpha == Alpha::Premultiplied ? PixelFormat32bppPARGB : PixelFormat32bppARGB;
    if (!pixels || !dib.pixels || !CopyPixels(*pixels, width, height, dib.pixels, format)) return {};
    const std::span<const uint32_t> all(dib.pixels, static_cast<size_t>(width) * static_cast<size_t>(height));
    const bool opaque = std::all_of(all.begin(), all.end(), [](uint32_t pixel) { return pixel >> 24 == 255; });
    out.pixels = PremultipliedImage{std::move(dib.bitmap), width, height, opaque};
    return out;
  }
  return {};
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
