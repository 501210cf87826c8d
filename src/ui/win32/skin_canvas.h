#pragma once
// The Win32 Canvas: one paint of a skinned window. It draws on the window's canvas bitmap
// through a CMemDC over the client area and presents it with one BitBlt when it ends. Its
// callers speak skin pixels; it maps them to the window's scale itself, so a painter never
// meets a screen pixel.
#include <windows.h>

#include <optional>
#include <string>

#include "common/platform.h"
#include "common/win32/handles.h"
#include "ui/canvas.h"
#include "ui/display_scale.h"
#include "ui/win32/focus_frame.h"
#include "ui/win32/mem_dc.h"
#include "ui/win32/skin_fonts.h"
#include "ui/win32/skin_image_cache.h"

namespace qv::win {

// What a window hands its painters; all borrowed for the paint.
struct SkinPaintSources {
  HBITMAP canvas = nullptr;  // the window's canvas bitmap; without it nothing is drawn
  std::u16string_view skinFolder;
  const SkinFonts* fonts = nullptr;
  SkinImageCache* images = nullptr;        // null: every image is decoded from its file
  MessageBoxes* reportFailures = nullptr;  // sub-dialog painters: kImageFailedText per failure
  DisplayScale scale;                      // the window's; the fonts are made for it
  const FocusFrame* focus = nullptr;       // drawn over the presented canvas, not into it
};

// DrawText's flags for a text format.
UINT DrawTextFlags(TextFormat format);

class SkinCanvas final : public Canvas {
 public:
  // A painter reacting to input: over the window's own device context (GetDC).
  SkinCanvas(HWND window, const SkinPaintSources& sources);
  // WM_ERASEBKGND: over the device context it was given.
  SkinCanvas(HWND window, HDC target, const SkinPaintSources& sources);
  // Presents the client area (when there is a canvas) and releases what it took.
  ~SkinCanvas() override;
  SkinCanvas(const SkinCanvas&) = delete;
  SkinCanvas& operator=(const SkinCanvas&) = delete;

  bool DrawImage(std::u16string_view imageName, int x, int y) override;
  bool DrawImagePart(std::u16string_view imageName, int x, int y, const layout::Rect& part) override;
  void DrawText(std::u16string_view text, const layout::Rect& rect, TextFormat format, FontRole font,
                Rgb colour) override;

 private:
  explicit SkinCanvas(const SkinPaintSources& sources);
  void Open(HWND window, HDC target);
  bool Drawing() const { return memory_ && memory_->get(); }
  static UniqueFont FontThatFits(HDC dc, std::u16string_view text, int width);

  std::u16string folder_;
  const SkinFonts* fonts_;
  SkinImageCache* images_;
  MessageBoxes* reportFailures_;
  HBITMAP canvasBitmap_;
  DisplayScale scale_;
  const FocusFrame* focus_;
  HDC target_ = nullptr;
  std::optional<UniqueWindowDc> windowDc_;  // declared before memory_: released after the BitBlt
  std::optional<CMemDC> memory_;
  UniqueMemoryDc scratch_;  // AlphaBlend's source context
};

}  // namespace qv::win
