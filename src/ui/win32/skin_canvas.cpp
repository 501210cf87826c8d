#include "ui/win32/skin_canvas.h"

#include "ui/win32/draw_skin_image.h"

namespace qv::win {

UINT DrawTextFlags(TextFormat format) {
  switch (format) {
    case TextFormat::Centred:
      return DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    case TextFormat::Left:
      return DT_VCENTER | DT_SINGLELINE;
    case TextFormat::Right:
      return DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
    case TextFormat::TopCentred:
      return DT_CENTER | DT_SINGLELINE;
    case TextFormat::Wrapped:
      return DT_WORDBREAK;
  }
  return DT_SINGLELINE;
}

SkinCanvas::SkinCanvas(const SkinPaintSources& sources)
    : folder_(sources.skinFolder),
      fonts_(sources.fonts),
      images_(sources.images),
      reportFailures_(sources.reportFailures),
      canvasBitmap_(sources.canvas),
      scale_(sources.scale),
      focus_(sources.focus) {}

SkinCanvas::SkinCanvas(HWND window, const SkinPaintSources& sources) : SkinCanvas(sources) {
  if (!canvasBitmap_) return;
  windowDc_.emplace(window);
  Open(window, windowDc_->get());
}

SkinCanvas::SkinCanvas(HWND window, HDC target, const SkinPaintSources& sources) : SkinCanvas(sources) {
  if (canvasBitmap_) Open(window, target);
}

SkinCanvas::~SkinCanvas() {
  if (!Drawing()) return;
  memory_.reset();  // presents the canvas, which holds no focus frame
  if (focus_) DrawFocusFrame(target_, *focus_, scale_);
}

void SkinCanvas::Open(HWND window, HDC target) {
  if (!target) return;
  target_ = target;
  RECT client{};
  GetClientRect(window, &client);
  memory_.emplace(target, client, canvasBitmap_);
  if (!memory_->get()) return;
  scratch_.reset(CreateCompatibleDC(memory_->get()));
  SetBkMode(memory_->get(), TRANSPARENT);
}

bool SkinCanvas::DrawImage(std::u16string_view imageName, int x, int y) {
  if (!Drawing()) return false;
  HDC dc = memory_->get();
  if (!images_ && scale_.IsNatural()) {
    return DrawSkinImage(dc, folder_ + std::u16string(imageName), x, y, reportFailures_);
  }
  const int left = ToScreen(x, scale_), top = ToScreen(y, scale_);
  if (!images_) {
    const ScaledImage image = DecodeScaled(folder_, imageName, scale_, x, y, Alpha::Premultiplied);
    if (image.pixels.bitmap) return BlendImage(dc, scratch_.get(), image.pixels, left, top);
  } else if (const PremultipliedImage* image = images_->Find(folder_, imageName, scale_, x, y)) {
    return BlendImage(dc, scratch_.get(), *image, left, top);
  }
  ReportImageFailure(reportFailures_);
  return false;
}

void SkinCanvas::DrawText(std::u16string_view text, const layout::Rect& rect, TextFormat format, FontRole font,
                          Rgb colour) {
  if (!Drawing()) return;
  HDC dc = memory_->get();
  ScopedSelect select(dc, fonts_ ? fonts_->Of(font) : nullptr);
  SetTextColor(dc, RGB(colour.red, colour.green, colour.blue));
  const layout::Rect screen = ToScreen(rect, scale_);
  RECT area{screen.left, screen.top, screen.right, screen.bottom};
  ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &area,
              DrawTextFlags(format));
}

}  // namespace qv::win
