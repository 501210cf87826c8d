#pragma once
// A skinned window's canvas: the bitmap decoded from its background image. Every painter
// of the window draws on it, so it keeps whatever was last drawn at each place; showing
// the window is copying it to the screen.
#include <windows.h>

#include <string_view>
#include <utility>

#include "ui/display_scale.h"
#include "ui/win32/skin_image.h"

namespace qv::win {

// Owned by its window for the window's life. Move-only.
class CanvasBitmap {
 public:
  CanvasBitmap() = default;
  explicit CanvasBitmap(DecodedImage image) : image_(std::move(image)) {}
  // Sizes are the screen's: at another scale than 100 % the bitmap is the background
  // made for that scale.

  HBITMAP get() const { return image_.bitmap.get(); }
  explicit operator bool() const { return static_cast<bool>(image_.bitmap); }
  int width() const { return image_.width; }
  int height() const { return image_.height; }

 private:
  DecodedImage image_;
};

// Decodes skinFolder + imageName for the scale into `canvas` and sizes the window to it
// (SetWindowPos, no move, no Z-order change). When the image cannot be decoded the window
// is left without a canvas and keeps its size. Answers whether a canvas was obtained.
bool LoadSkinBackground(HWND window, std::u16string_view skinFolder, std::u16string_view imageName,
                        CanvasBitmap& canvas, DisplayScale scale = {});

// Sizes the window as LoadSkinBackground would, from the image's header alone: nothing is
// decoded. False, the window untouched, when the file is not a PNG.
bool SizeToSkinBackground(HWND window, std::u16string_view skinFolder, std::u16string_view imageName,
                          DisplayScale scale = {});

// Gives back the pixels a hidden window keeps for its next show: under Wine an image of the
// window's size in X shared memory, held also by the cached device contexts last used for
// it. The window shrinks to its frame (no move) and those contexts are taken and given back.
// Answers its size before, for a show that cannot size it to a skin.
SIZE ShrinkHiddenWindow(HWND window);

}  // namespace qv::win
