// Times the main page's paint and a hover redraw under Wine, as the program draws them,
// decoding every image from its file and from the image cache, at 100 % and at 200 %.
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
#include "ui/hover.h"
#include "ui/language.h"
#include "ui/page_painter.h"
#include "ui/win32/canvas_bitmap.h"
#include "ui/win32/gdiplus_session.h"
#include "ui/win32/skin_canvas.h"

namespace qv::win {
namespace {

// The page's child controls are not what is timed: a paint here creates none.
struct NoControls : PageControls {
  void CreateStatic(int, const layout::Rect&, StaticStyle, std::u16string_view) override {}
  void SetText(int, std::u16string_view) override {}
  void Invalidate(int) override {}
  void Destroy(int) override {}
  bool Exists(int) const override { return true; }
  void CreateList(int, const layout::Rect&, std::span<const std::u16string>, std::optional<int>) override {}
  std::optional<int> Selection(int) const override { return std::nullopt; }
};

// The page as the program paints it: the page core over the window's canvas.
struct PageFixture {
  PageSession session;
  UiRecord record;
  KeyNames names;
  NoControls controls;
  Page page{session, record, names, Language::English, Rgb{0, 255, 0}, 0, 1, true};
  PageFixture() {
    for (int stage = 1; stage <= kStageCount; ++stage) {
      record.StageEnabled(stage) = 1;
      record.DpiIndex(stage) = static_cast<uint8_t>(stage * 2);
    }
    for (auto& mode : names) mode.fill(u"Left Click");
  }
};

void PaintPage(HWND window, const SkinPaintSources& sources) {
  static PageFixture fixture;
  fixture.session.state = PageState::MustPaint;
  SkinCanvas canvas(window, sources);
  PaintMainPage(fixture.page, canvas, fixture.controls);
}

void Hover(HWND window, const SkinPaintSources& sources) {
  static PageFixture fixture;
  fixture.session.state = PageState::Shown;
  SkinCanvas canvas(window, sources);
  Highlight(fixture.page, kHoverApply, canvas);
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

int RunAt200(const std::u16string& folder, double floor);

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
  const SkinPaintSources fromFiles{canvasBitmap.get(), folder, &fonts, nullptr, nullptr, {}};
  const SkinPaintSources fromCache{canvasBitmap.get(), folder, &fonts, &cache, nullptr, {}};

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
  return RunAt200(folder, floor);
}

// The same page on a display at 200 %: its own window, canvas, fonts and cache, against the
// floor of the 100 % paint.
int RunAt200(const std::u16string& folder, double floor) {
  constexpr DisplayScale kScale{192};
  const UniqueWindow page = CreatePageWindow();
  CanvasBitmap canvasBitmap;
  if (!page || !LoadSkinBackground(page.get(), folder, u"/main.png", canvasBitmap, kScale)) {
    return std::puts("no window or no /main.png at 200 %"), 1;
  }
  const SkinFonts fonts = CreateSkinFonts(Language::English, kScale);
  SkinImageCache cache;
  const SkinPaintSources sources{canvasBitmap.get(), folder, &fonts, &cache, nullptr, kScale};
  Report("200 %: page paint, cache empty (first paint)", 1, [&] { PaintPage(page.get(), sources); });
  const double paint = Report("200 %: page paint, cache filled", 30, [&] { PaintPage(page.get(), sources); });
  const double hover = Report("200 %: hover redraw, cache filled", 100, [&] { Hover(page.get(), sources); });
  Ratio("page 200 %", paint, floor);
  Ratio("hover 200 %", hover, floor);
  return 0;
}

}  // namespace
}  // namespace qv::win

int wmain(int argc, wchar_t** argv) {
  const std::u16string folder =
      argc > 1 ? qv::win::U16(argv[1]) : qv::win::DefaultSkinFolder();
  return qv::win::Run(folder);
}
