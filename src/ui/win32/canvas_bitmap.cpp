#include "ui/win32/canvas_bitmap.h"

#include <string>

namespace qv::win {

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
  // The window is the image's size, its edge over the image's last pixels. The edge keeps
  // its width at every scale, so the client area shows the same skin pixels at every scale:
  // the image less the edge, mapped.
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const int frameWidth = (outer.right - outer.left) - client.right;
  const int frameHeight = (outer.bottom - outer.top) - client.bottom;
  SetWindowPos(window, nullptr, 0, 0, ToScreen(skinWidth - frameWidth, scale) + frameWidth,
               ToScreen(skinHeight - frameHeight, scale) + frameHeight, SWP_NOMOVE | SWP_NOZORDER);
  return true;
}

}  // namespace qv::win
