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

bool SkinCanvas::DrawImagePart(std::u16string_view imageName, int x, int y, const layout::Rect& part) {
  if (!Drawing()) return false;
  HDC dc = memory_->get();
  const layout::Rect screen = ToScreen(part, scale_);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, screen.left, screen.top, screen.right, screen.bottom);
  const bool drawn = DrawImage(imageName, x, y);
  RestoreDC(dc, saved);
  return drawn;
}

void SkinCanvas::DrawText(std::u16string_view text, const layout::Rect& rect, TextFormat format, FontRole font,
                          Rgb colour) {
  if (!Drawing()) return;
  HDC dc = memory_->get();
  ScopedSelect select(dc, fonts_ ? fonts_->Of(font) : nullptr);
  SetTextColor(dc, RGB(colour.red, colour.green, colour.blue));
  const layout::Rect screen = ToScreen(rect, scale_);
  RECT area{screen.left, screen.top, screen.right, screen.bottom};
  const UniqueFont narrower = scale_.IsNatural() || format == TextFormat::Wrapped
                                  ? UniqueFont{}
                                  : FontThatFits(dc, text, area.right - area.left);
  ScopedSelect fitted(dc, narrower.get());
  ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &area,
              DrawTextFlags(format));
}

// A font's hinting does not grow in proportion to its height: a line that fits its box in
// the skin's own pixels may come out a few pixels wider than the scaled box. Such a line is
// drawn in a font just small enough to fit rather than clipped at both ends. Null when the
// selected font fits.
UniqueFont SkinCanvas::FontThatFits(HDC dc, std::u16string_view text, int width) {
  RECT needed{0, 0, 0, 0};
  ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_SINGLELINE);
  const int textWidth = needed.right - needed.left;
  LOGFONTW spec{};
  HGDIOBJ current = GetCurrentObject(dc, OBJ_FONT);
  if (width <= 0 || textWidth <= width || !current || GetObjectW(current, sizeof spec, &spec) != sizeof spec) {
    return UniqueFont{};
  }
  spec.lfHeight = MulDiv(spec.lfHeight, width, textWidth);
  return UniqueFont(CreateFontIndirectW(&spec));
}

}  // namespace qv::win
