#pragma once
// What the drawing tests share: their files, a canvas they can read back, a window.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform.h"
#include "common/win32/handles.h"
#include "ui/win32/canvas_bitmap.h"

namespace qv::win::test {

// Host paths under Wine: drive Z: is the host's root.
std::u16string HostPath(std::string_view path);
inline std::u16string TestImageFolder() { return HostPath(QV_TEST_IMAGE_DIR); }
inline std::u16string SkinFolder(std::string_view skin) {
  return HostPath(std::string(QV_DIST_DIR) + "/Skins/" + std::string(skin));
}

// A top-down 32-bit canvas filled with 0xAARRGGBB, made without GDI+.
CanvasBitmap FilledCanvas(int width, int height, uint32_t colour);
// The canvas's pixel as 0xAARRGGBB.
uint32_t PixelAt(const CanvasBitmap& canvas, int x, int y);
std::vector<uint32_t> Pixels(const CanvasBitmap& canvas);

// A hidden popup window with a client area of the given size.
UniqueWindow TestWindow(int width, int height);

struct Shown {
  std::u16string text;
  std::u16string caption;
};
class RecordingMessageBoxes : public MessageBoxes {
 public:
  void Show(std::u16string_view text, std::u16string_view caption) override {
    shown.push_back({std::u16string(text), std::u16string(caption)});
  }
  std::vector<Shown> shown;
};

}  // namespace qv::win::test
