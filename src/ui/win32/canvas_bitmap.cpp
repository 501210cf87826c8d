#include "ui/win32/canvas_bitmap.h"

#include <array>
#include <string>

#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "ui/png_header.h"

namespace qv::win {
namespace {

SIZE FrameOf(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  return SIZE{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
}

// The window is the image's size, its edge over the image's last pixels. The edge keeps its
// width at every scale, so the client area shows the same skin pixels at every scale: the
// image less the edge, mapped.
void SizeWindowToSkin(HWND window, int skinWidth, int skinHeight, DisplayScale scale) {
  const SIZE frame = FrameOf(window);
  SetWindowPos(window, nullptr, 0, 0, ToScreen(skinWidth - frame.cx, scale) + frame.cx,
               ToScreen(skinHeight - frame.cy, scale) + frame.cy, SWP_NOMOVE | SWP_NOZORDER);
}

// A cached device context keeps the last window image it drew on until it is next taken,
// after that window has shrunk or gone; Wine keeps up to 64 of them. Taking them all at once
// brings each up to date with the window as it is now.
constexpr int kCachedContexts = 64;

}  // namespace

bool SizeToSkinBackground(HWND window, std::u16string_view skinFolder, std::u16string_view imageName,
                          DisplayScale scale) {
  std::u16string path(skinFolder);
  path += imageName;
  const UniqueFileHandle file(CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  std::array<uint8_t, png::kHeaderBytes> head{};
  DWORD read = 0;
  if (!file || !ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr)) return false;
  const std::optional<PngSize> size = PngSizeOf(std::span(head).first(read));
  if (!size) return false;
  SizeWindowToSkin(window, size->width, size->height, scale);
  return true;
}

bool LoadSkinBackground(HWND window, std::u16string_view skinFolder, std::u16string_view imageName,
                        CanvasBitmap& canvas, DisplayScale scale) {
  int skinWidth = 0, skinHeight = 0;
  if (scale.IsNatural()) {
    std::u16string path(skinFolder);
    path += imageName;
    canvas = CanvasBitmap(DecodeSkinImage(path));
    skinWidth = canvas.width();
    skinHeight = canvas.height();
  } else {
    ScaledImage scaled = DecodeScaled(skinFolder, imageName, scale, 0, 0, Alpha::Straight);
    canvas = CanvasBitmap(DecodedImage{std::move(scaled.pixels.bitmap), scaled.pixels.width, scaled.pixels.height});
    skinWidth = scaled.skinWidth;
    skinHeight = scaled.skinHeight;
  }
  if (!canvas) return false;
  SizeWindowToSkin(window, skinWidth, skinHeight, scale);
  return true;
}

SIZE ShrinkHiddenWindow(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const SIZE frame = FrameOf(window);
  SetWindowPos(window, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  std::array<HDC, kCachedContexts> contexts{};
  for (HDC& dc : contexts) dc = GetDCEx(window, nullptr, DCX_CACHE);
  for (HDC dc : contexts) {
    if (dc) ReleaseDC(window, dc);
  }
  return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace qv::win
