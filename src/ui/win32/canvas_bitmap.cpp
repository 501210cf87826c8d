#include "ui/win32/canvas_bitmap.h"

#include <string>

namespace qv::win {

bool LoadSkinBackground(HWND window, std::u16string_view skinFolder, std::u16string_view imageName,
                        CanvasBitmap& canvas) {
  std::u16string path(skinFolder);
  path += imageName;
  canvas = CanvasBitmap(DecodeSkinImage(path));
  if (!canvas) return false;
  SetWindowPos(window, nullptr, 0, 0, canvas.width(), canvas.height(), SWP_NOMOVE | SWP_NOZORDER);
  return true;
}

}  // namespace qv::win
