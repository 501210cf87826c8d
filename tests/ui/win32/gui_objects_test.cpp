// A thousand paints and a thousand skin reloads leave the process's GDI and USER objects
// where they were: every path gives back what it took.
#include <gtest/gtest.h>

#include "ui/win32/canvas_bitmap.h"
#include "ui/win32/draw_support.h"
#include "ui/win32/gdiplus_session.h"
#include "ui/win32/gui_objects.h"
#include "ui/win32/skin_canvas.h"

namespace qv::win {
namespace {

using test::GdiObjectCount;
using test::UserObjectCount;

constexpr int kCycles = 1000;

struct Counts {
  int gdi = GdiObjectCount();
  int user = UserObjectCount();
};

class GuiObjects : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(gdiplus_.Started()); }

  // Runs `cycle` twice to fill the caches (the system's, and ours on odd cycles), then
  // kCycles times.
  template <typename Cycle>
  void ExpectNoObjectsLeftBy(Cycle cycle) {
    cycle(0);
    cycle(1);
    const Counts before;
    for (int i = 2; i < kCycles + 2; ++i) cycle(i);
    const Counts after;
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
  }

  GdiplusSession gdiplus_;
  UniqueWindow window_ = test::TestWindow(16, 16);
};

// The counters must see a new object, or the tests below would prove nothing.
TEST_F(GuiObjects, GdiCounterSeesANewBitmap) {
  const int before = GdiObjectCount();
  {
    const UniqueBitmap bitmap(CreateBitmap(1, 1, 1, 32, nullptr));
    EXPECT_EQ(GdiObjectCount(), before + 1);
  }
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(GuiObjects, UserCounterSeesANewWindow) {
  const int before = UserObjectCount();
  if (before == 0) GTEST_SKIP() << "this system does not count USER objects (Wine's GetGuiResources)";
  const UniqueWindow another = test::TestWindow(1, 1);
  EXPECT_GT(UserObjectCount(), before);
}

// Open, draw (an image, a missing image, a text), present, close.
TEST_F(GuiObjects, PaintCyclesLeaveNone) {
  const SkinFonts fonts = CreateSkinFonts(Language::English);
  const CanvasBitmap canvas = test::FilledCanvas(16, 16, 0xFF000000);
  SkinImageCache cache;
  test::RecordingMessageBoxes boxes;
  ExpectNoObjectsLeftBy([&](int i) {
    SkinImageCache* images = i % 2 ? &cache : nullptr;
    SkinCanvas paint(window_.get(), {canvas.get(), test::TestImageFolder(), &fonts, images, &boxes, {}});
    paint.DrawImage(u"/rgba.png", 1, 1);
    paint.DrawImage(u"/missing.png", 1, 1);
    paint.DrawText(u"Apply", {0, 0, 16, 16}, TextFormat::Centred, FontRole::Title, {255, 255, 255});
  });
  EXPECT_EQ(boxes.shown.size(), static_cast<size_t>(kCycles + 2));
}

// Reload the background (every other time a missing one) and make the fonts again.
TEST_F(GuiObjects, BackgroundAndFontReloadsLeaveNone) {
  CanvasBitmap canvas;
  SkinFonts fonts;
  ExpectNoObjectsLeftBy([&](int i) {
    const std::u16string_view name = i % 2 ? u"/missing.png" : u"/rgba.png";
    const bool loaded = LoadSkinBackground(window_.get(), test::TestImageFolder(), name, canvas);
    EXPECT_EQ(loaded, i % 2 == 0);
    fonts = CreateSkinFonts(i % 3 ? Language::English : Language::SimplifiedChinese);
  });
}

}  // namespace
}  // namespace qv::win
