// A painter's view of the primitives: what lands on the window's canvas bitmap.
#include "ui/win32/skin_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/win32/draw_skin_image.h"
#include "ui/win32/draw_support.h"
#include "ui/win32/gdiplus_session.h"

namespace qv::win {
namespace {

using test::FilledCanvas;
using test::PixelAt;
using test::Pixels;

constexpr int kSize = 8;  // test canvases and windows; the test picture is 4 x 2
constexpr uint32_t kRgbMask = 0x00FFFFFF;

class SkinCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(gdiplus_.Started()); }

  // Draws `name` from `folder` at (x, y) on `canvas` in one paint.
  bool Draw(const CanvasBitmap& canvas, std::u16string_view folder, std::u16string_view name, int x = 0,
            int y = 0, SkinImageCache* images = nullptr) {
    SkinCanvas paint(window_.get(), {canvas.get(), folder, &fonts_, images, nullptr, {}});
    return paint.DrawImage(name, x, y);
  }

  GdiplusSession gdiplus_;
  UniqueWindow window_ = test::TestWindow(kSize, kSize);
  SkinFonts fonts_ = CreateSkinFonts(Language::English);
};

// The picture's pixels (pixels.txt) blended over a canvas of one colour.
TEST_F(SkinCanvasTest, BlendsWithPremultipliedAlpha) {
  struct Case {
    const char* what;
    uint32_t canvas;
    int x, y;
    uint32_t drawn;  // 0xRRGGBB
  };
  const Case cases[] = {
      {"transparent (10,200,30,0) leaves the canvas", 0xFF5A3C1E, 3, 0, 0x5A3C1E},
      {"half white (255,255,255,128) over black", 0xFF000000, 2, 0, 0x808080},
      {"(200,100,50,100) over black", 0xFF000000, 1, 1, 0x4E2713},
      {"opaque red covers the canvas", 0xFF5A3C1E, 0, 0, 0xFF0000},
  };
  for (const Case& c : cases) {
    const CanvasBitmap canvas = FilledCanvas(kSize, kSize, c.canvas);
    ASSERT_TRUE(Draw(canvas, test::TestImageFolder(), u"/rgba.png")) << c.what;
    EXPECT_EQ(PixelAt(canvas, c.x, c.y) & kRgbMask, c.drawn) << c.what;
  }
}

// Whatever kind of PNG the skin's artist saved, it draws as its 32-bit twin does.
TEST_F(SkinCanvasTest, EveryPngKindDrawsLikeItsRgbaTwin) {
  struct Case {
    std::u16string_view kind;
    std::u16string_view twin;
  };
  const Case cases[] = {
      {u"/palette.png", u"/palette32.png"},
      {u"/rgb.png", u"/rgb32.png"},
      {u"/grey.png", u"/grey32.png"},
  };
  constexpr uint32_t kBackground = 0xFF284878;
  const std::vector<uint32_t> untouched = Pixels(FilledCanvas(kSize, kSize, kBackground));
  for (const Case& c : cases) {
    const CanvasBitmap kind = FilledCanvas(kSize, kSize, kBackground);
    const CanvasBitmap twin = FilledCanvas(kSize, kSize, kBackground);
    ASSERT_TRUE(Draw(kind, test::TestImageFolder(), c.kind, 1, 1));
    ASSERT_TRUE(Draw(twin, test::TestImageFolder(), c.twin, 1, 1));
    EXPECT_NE(Pixels(twin), untouched);
    EXPECT_EQ(Pixels(kind), Pixels(twin)) << std::string(c.kind.begin(), c.kind.end());
  }
}

// A painter with the cache draws what one decoding every file draws, skin after skin.
TEST_F(SkinCanvasTest, CacheFollowsTheSkinFolder) {
  SkinImageCache cache;
  std::vector<std::vector<uint32_t>> drawn;
  for (const char* skin : {"Carbon", "Frost", "Carbon"}) {
    const std::u16string folder = test::SkinFolder(skin);
    const CanvasBitmap cached = FilledCanvas(kSize, kSize, 0xFF000000);
    const CanvasBitmap decoded = FilledCanvas(kSize, kSize, 0xFF000000);
    ASSERT_TRUE(Draw(cached, folder, u"/button-close-normal.png", 0, 0, &cache));
    ASSERT_TRUE(Draw(decoded, folder, u"/button-close-normal.png"));
    EXPECT_EQ(Pixels(cached), Pixels(decoded)) << skin;
    drawn.push_back(Pixels(cached));
  }
  EXPECT_NE(drawn[0], drawn[1]);  // the skins differ, so a stale cache would show
}

// Where GDI+ does not run, no image is drawn and nothing breaks; a sub-dialog painter
// still says so once for every image.
TEST(SkinCanvasWithoutGdiplus, DrawsNothing) {
  ASSERT_FALSE(GdiplusRunning());
  const UniqueWindow window = test::TestWindow(kSize, kSize);
  const SkinFonts fonts = CreateSkinFonts(Language::English);
  const CanvasBitmap canvas = FilledCanvas(kSize, kSize, 0xFF5A3C1E);
  const std::vector<uint32_t> before = Pixels(canvas);
  SkinImageCache cache;
  test::RecordingMessageBoxes boxes;
  for (SkinImageCache* images : {static_cast<SkinImageCache*>(nullptr), &cache}) {
    SkinCanvas paint(window.get(), {canvas.get(), test::TestImageFolder(), &fonts, images, &boxes, {}});
    EXPECT_FALSE(paint.DrawImage(u"/rgba.png", 0, 0));
  }
  EXPECT_EQ(Pixels(canvas), before);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, kImageFailedText);
  EXPECT_EQ(boxes.shown[0].caption, u"");  // the application title
}

}  // namespace
}  // namespace qv::win
