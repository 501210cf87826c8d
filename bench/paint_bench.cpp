// Times the drawing primitives under Wine: a full main-page paint (every image of the
// page's layout once, ~45 texts, one BitBlt) and a hover redraw (one button, its text,
// one BitBlt), decoding every image from its file and from the image cache.
// Usage: draw_bench [skin folder]; needs a display.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/text.h"
#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/win32/canvas_bitmap.h"
#include "ui/win32/gdiplus_session.h"
#include "ui/win32/skin_canvas.h"

namespace qv::win {
namespace {

using namespace layout;

constexpr Rgb kTextColour{0, 255, 0};

void Text(Canvas& canvas, std::u16string_view text, const Rect& rect, TextFormat format = TextFormat::Centred) {
  canvas.DrawText(text, rect, format, FontRole::Text, kTextColour);
}

void DrawButtons(Canvas& canvas) {
  canvas.DrawImage(u"/button-Skins-normal.png", kSkinsButton.left, kSkinsButton.top);
  canvas.DrawImage(u"/button-min-normal.png", kHideButton.left, kHideButton.top);
  canvas.DrawImage(u"/button-close-normal.png", kCloseButton.left, kCloseButton.top);
  canvas.DrawImage(u"/button-PrePage-normal.png", kBackButton.left, kBackButton.top);
  for (const Rect& r : {kOkButton, kApplyButton, kCancelButton, kDefaultButton, kModeBButton}) {
    canvas.DrawImage(u"/button-normal.png", r.left, r.top);
  }
  canvas.DrawImage(u"/button-over.png", kModeAButton.left, kModeAButton.top);
}

void DrawControls(Canvas& canvas) {
  for (int i = 0; i < kShownKeyCount; ++i) {
    canvas.DrawImage(u"/DropdownBox-normal.png", kKeyBoxes[i].left, kKeyBoxes[i].top);
  }
  for (const Rect& r : kRateSegments) canvas.DrawImage(u"/slider-RP-dark.png", r.left, r.top);
  canvas.DrawImage(u"/slider-RP-light.png", kRateSegments[3].left, kRateSegments[3].top);
  for (int stage = 1; stage <= kDpiStageCount; ++stage) {
    const Rect& box = kDpiStageBoxes[stage - 1];
    canvas.DrawImage(u"/PaneMakingTick.png", box.left, box.top);
    for (int level = 1; level <= kDpiMaxLevels; ++level) {
      const Rect cell = DpiCell(stage, level);
      canvas.DrawImage(level <= 3 ? u"/slider-DPI-light.png" : u"/slider-DPI-dark.png", cell.left, cell.top);
    }
  }
}

void DrawTexts(Canvas& canvas) {
  const Language en = Language::English;
  canvas.DrawText(qv::Text(en, kSlotBasicSettings), kPageTitle, TextFormat::Centred, FontRole::Title, {66, 66, 66});
  Text(canvas, qv::Text(en, kSlotKeySetting), kKeyAreaLabel);
  Text(canvas, qv::Text(en, kSlotReportRateSetting), kRateLabel);
  Text(canvas, qv::Text(en, kSlotDpiSetting), kDpiLabel);
  Text(canvas, qv::Text(en, kSlotDpiEffect), kLedAreaLabel);
  Text(canvas, qv::Text(en, kSlotWebAddress), kWebAddress);
  Text(canvas, qv::Text(en, kSlotOk), kOkButton);
  Text(canvas, qv::Text(en, kSlotApply), kApplyButton);
  Text(canvas, qv::Text(en, kSlotCancel), kCancelButton);
  Text(canvas, qv::Text(en, kSlotDefault), kDefaultButton);
  Text(canvas, u"Mode A", kModeAButton);
  Text(canvas, u"Mode B", kModeBButton);
  const std::u16string_view digits[] = {u"1", u"2", u"3", u"4"};
  const std::u16string_view rates[] = {u"125", u"250", u"500", u"1000"};
  for (int i = 0; i < 4; ++i) {
    Text(canvas, digits[i], KeyDigitText(i), TextFormat::Left);
    Text(canvas, qv::Text(en, kSlotLeftClick + i), KeyNameText(i), TextFormat::Left);
    Text(canvas, rates[i], RateValueText(i), TextFormat::TopCentred);
    Text(canvas, digits[i], StageDigitText(i), TextFormat::TopCentred);
  }
  Text(canvas, u"Color", kDpiColorLabel, TextFormat::Right);
  Text(canvas, u"Select", kDpiSelectLabel, TextFormat::Right);
  const int ledSlots[] = {kSlotMode, kSlotParameter, kSlotEffect};
  for (int i = 0; i < kLedBoxCount; ++i) Text(canvas, qv::Text(en, ledSlots[i]), kLedLabels[i], TextFormat::Right);
  for (int level = 1; level <= kDpiMaxLevels; ++level) {
    Text(canvas, FromUtf8(std::to_string(250 * level)), DpiLevelLabel(level, false), TextFormat::Right);
  }
}

void PaintPage(HWND window, const SkinPaintSources& sources) {
  SkinCanvas canvas(window, sources);
  canvas.DrawImage(u"/BasicSet2.png", 0, 0);
  DrawButtons(canvas);
  DrawControls(canvas);
  DrawTexts(canvas);
}

void Hover(HWND window, const SkinPaintSources& sources) {
  SkinCanvas canvas(window, sources);
  canvas.DrawImage(u"/button-over.png", kApplyButton.left, kApplyButton.top);
  Text(canvas, u"Apply", kApplyButton);
}

double Milliseconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  GdiFlush();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Report(const char* what, int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(Milliseconds(work));
  std::sort(times.begin(), times.end());
  std::printf("%-40s runs %3d  min %7.2f  median %7.2f  max %7.2f ms\n", what, runs, times.front(),
              times[times.size() / 2], times.back());
  return times[times.size() / 2];
}

void Ratio(const char* what, double median, double floor) {
  std::printf("%-11s %8.2f ms  floor %6.2f ms  ratio %.2f\n", what, median, floor, median / floor);
}

std::u16string DefaultSkinFolder() {
  std::u16string folder = u"Z:" + FromUtf8(QV_DIST_DIR) + u"/Skins/Carbon";
  std::replace(folder.begin(), folder.end(), u'/', u'\\');
  return folder;
}

UniqueWindow CreatePageWindow() {
  return UniqueWindow(CreateWindowExW(0, L"STATIC", L"draw_bench", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr));
}

int Run(const std::u16string& folder) {
  GdiplusSession gdiplus;
  if (!gdiplus.Started()) return std::puts("GDI+ did not start"), 1;
  const UniqueWindow page = CreatePageWindow();
  HWND window = page.get();
  CanvasBitmap canvasBitmap;
  if (!window || !LoadSkinBackground(window, folder, u"/main.png", canvasBitmap)) {
    return std::puts("no window or no /main.png"), 1;
  }
  const SkinFonts fonts = CreateSkinFonts(Language::English);
  SkinImageCache cache;
  const SkinPaintSources fromFiles{canvasBitmap.get(), folder, &fonts, nullptr, nullptr};
  const SkinPaintSources fromCache{canvasBitmap.get(), folder, &fonts, &cache, nullptr};

  Report("decode /BasicSet2.png", 20, [&] { DecodePremultiplied(folder + u"/BasicSet2.png"); });
  Report("page paint, decoding every image", 30, [&] { PaintPage(window, fromFiles); });
  Report("page paint, cache empty (first paint)", 1, [&] { PaintPage(window, fromCache); });
  const double paint = Report("page paint, cache filled", 30, [&] { PaintPage(window, fromCache); });
  Report("hover redraw, decoding the image", 100, [&] { Hover(window, fromFiles); });
  const double hover = Report("hover redraw, cache filled", 100, [&] { Hover(window, fromCache); });
  // The least any paint does: open the canvas and copy the client area to the screen once.
  const double floor = Report("present only", 100, [&] { SkinCanvas present(window, fromCache); });
  Ratio("page paint", paint, floor);
  Ratio("hover", hover, floor);
  return 0;
}

}  // namespace
}  // namespace qv::win

int wmain(int argc, wchar_t** argv) {
  const std::u16string folder =
      argc > 1 ? qv::win::U16(argv[1]) : qv::win::DefaultSkinFolder();
  return qv::win::Run(folder);
}
