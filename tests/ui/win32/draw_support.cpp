#include "ui/win32/draw_support.h"

#include <algorithm>

#include "common/text.h"

namespace qv::win::test {

std::u16string HostPath(std::string_view path) {
  std::u16string result = u"Z:" + FromUtf8(path);
  std::replace(result.begin(), result.end(), u'/', u'\\');
  return result;
}

CanvasBitmap FilledCanvas(int width, int height, uint32_t colour) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  std::fill_n(static_cast<uint32_t*>(bits), static_cast<size_t>(width) * static_cast<size_t>(height), colour);
  return CanvasBitmap(DecodedImage{std::move(bitmap), width, height});
}

std::vector<uint32_t> Pixels(const CanvasBitmap& canvas) {
  GdiFlush();  // drawing may still be queued
  DIBSECTION dib{};
  if (GetObjectW(canvas.get(), sizeof(dib), &dib) != sizeof(dib) || !dib.dsBm.bmBits) return {};
  const auto* first = static_cast<const uint32_t*>(dib.dsBm.bmBits);
  return std::vector<uint32_t>(first, first + static_cast<size_t>(canvas.width()) * canvas.height());
}

uint32_t PixelAt(const CanvasBitmap& canvas, int x, int y) {
  const std::vector<uint32_t> pixels = Pixels(canvas);
  return pixels.at(static_cast<size_t>(y) * canvas.width() + x);
}

UniqueWindow TestWindow(int width, int height) {
  return UniqueWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
}

}  // namespace qv::win::test
