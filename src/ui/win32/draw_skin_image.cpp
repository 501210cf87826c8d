#include "ui/win32/draw_skin_image.h"

namespace qv::win {

void ReportImageFailure(MessageBoxes* reportFailures) {
  if (reportFailures) reportFailures->Show(kImageFailedText, u"");  // empty caption: the application title
}

bool BlendImage(HDC target, HDC scratch, const PremultipliedImage& image, int x, int y) {
  if (!target || !scratch || !image.bitmap) return false;
  ScopedSelect select(scratch, image.bitmap.get());
  // A background at 200 % is millions of pixels: an opaque one is copied, which is what a
  // blend of it would give.
  if (image.opaque) return BitBlt(target, x, y, image.width, image.height, scratch, 0, 0, SRCCOPY) != FALSE;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return AlphaBlend(target, x, y, image.width, image.height, scratch, 0, 0, image.width, image.height, blend) !=
         FALSE;
}

bool DrawSkinImage(HDC memoryDc, const std::u16string& path, int x, int y, MessageBoxes* reportFailures) {
  if (!memoryDc) return false;
  const PremultipliedImage image = DecodePremultiplied(path);
  if (!image.bitmap) {
    ReportImageFailure(reportFailures);
    return false;
  }
  UniqueMemoryDc scratch(CreateCompatibleDC(memoryDc));
  return BlendImage(memoryDc, scratch.get(), image, x, y);
}

}  // namespace qv::win
