// A thousand rebuilds of the page on a real window, as the tray's show after Cancel does
// them, leave the process's GDI objects and the window's children where they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/win32/page_controls_win32.h"
#include "common/text.h"
#include "ui/page_painter.h"
#include "ui/win32/canvas_bitmap.h"
#include "ui/win32/gdiplus_session.h"
#include "ui/win32/gui_objects.h"
#include "ui/win32/skin_canvas.h"

namespace qv::win {
namespace {

std::u16string CarbonFolder() {  // QV_DIST_DIR is a host path; Wine shows it on drive Z:
  std::u16string folder = u"Z:" + FromUtf8(QV_DIST_DIR) + u"/Skins/Carbon";
  std::replace(folder.begin(), folder.end(), u'/', u'\\');
  return folder;
}

int ChildCount(HWND window) {
  int count = 0;
  EnumChildWindows(
      window, [](HWND, LPARAM counted) { return ++*reinterpret_cast<int*>(counted), TRUE; },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(PageRebuild, AThousandRebuildsLeaveNoObjectsOrChildWindowsBehind) {
  GdiplusSession gdiplus;
  ASSERT_TRUE(gdiplus.Started());
  const UniqueWindow window(CreateWindowExW(0, L"STATIC", L"page", WS_POPUP, 0, 0, 888, 668, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(window);
  const std::u16string folder = CarbonFolder();
  CanvasBitmap canvas;
  ASSERT_TRUE(LoadSkinBackground(window.get(), folder, u"/main.png", canvas));
  const SkinFonts fonts = CreateSkinFonts(Language::SimplifiedChinese);
  SkinImageCache images;
  Win32PageControls controls;
  controls.SetOwner(window.get());
  PageSession session;
  UiRecord record;
  record.StageEnabled(1) = 1;
  KeyNames names;
  Page page{session, record, names, Language::SimplifiedChinese, Rgb{0, 255, 0}, 1, 1, true};

  const auto rebuild = [&] {
    session.state = PageState::Rebuilding;
    TearDownPageControls(session, controls);
    session.state = PageState::MustPaint;
    SkinCanvas paint(window.get(), {canvas.get(), folder, &fonts, &images, nullptr, {}});
    EXPECT_TRUE(PaintMainPage(page, paint, controls).painted);
  };
  rebuild();
  rebuild();  // the system's own caches are filled now
  const test::GdiObjectsByType gdi = test::GdiObjectCountByType();
  ASSERT_FALSE(gdi.empty()) << "the GDI objects could not be counted";
  const int user = test::UserObjectCount();
  ASSERT_EQ(ChildCount(window.get()), 7);  // the four swatches and the three lighting values
  for (int i = 0; i < 1000; ++i) rebuild();
  EXPECT_EQ(test::GdiGrowthBeyondCachedDcs(gdi), test::GdiObjectsByType{});
  EXPECT_EQ(test::UserObjectCount(), user);
  EXPECT_EQ(ChildCount(window.get()), 7);
}

}  // namespace
}  // namespace qv::win
