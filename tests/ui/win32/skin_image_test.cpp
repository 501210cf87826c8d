#include "ui/win32/skin_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "common/text.h"
#include "ui/win32/gdiplus_session.h"

namespace qv::win {
namespace {

// QV_DIST_DIR is a host path; under Wine the host's root is drive Z:.
std::u16string SkinImagePath(std::u16string_view skin, std::u16string_view name) {
  std::u16string path = u"Z:" + FromUtf8(QV_DIST_DIR) + u"/Skins/" + std::u16string(skin) + std::u16string(name);
  std::replace(path.begin(), path.end(), u'/', u'\\');
  return path;
}

// Where GDI+ could not start, no GDI+ object may be made: the image is simply absent.
TEST(SkinImage, DecodesOnlyWhileGdiplusRuns) {
  const std::u16string path = SkinImagePath(u"Carbon", u"/main.png");
  EXPECT_FALSE(DecodeSkinImage(path).bitmap);
  {
    GdiplusSession session;
    ASSERT_TRUE(session.Started());
    const DecodedImage image = DecodeSkinImage(path);
    EXPECT_TRUE(image.bitmap);
    EXPECT_GT(image.width, 0);
  }
  EXPECT_FALSE(GdiplusRunning());
  EXPECT_FALSE(DecodeSkinImage(path).bitmap);
}

// GDI+ stays up while an image object lives, even when the session ends first.
TEST(SkinImage, ImageObjectKeepsGdiplusUpUntilItGoes) {
  std::optional<GdiplusSession> session(std::in_place);
  ASSERT_TRUE(session->Started());
  GdiplusHold image = GdiplusHold::Join();
  ASSERT_TRUE(image);
  session.reset();
  EXPECT_TRUE(GdiplusRunning());
  image = GdiplusHold();
  EXPECT_FALSE(GdiplusRunning());
  EXPECT_FALSE(GdiplusHold::Join());
}

TEST(SkinImage, PremultipliesColourByAlphaRoundingDown) {
  struct Case {
    uint32_t straight;  // 0xAARRGGBB
    uint32_t premultiplied;
  };
  const Case cases[] = {
      {0x80FFFFFF, 0x80808080},  // half-transparent white
      {0x64C86432, 0x644E2713},  // 200, 100, 50 at 100: 78.4, 39.2, 19.6
      {0x000AC81E, 0x00000000},  // fully transparent: no colour left
      {0xFF0C2238, 0xFF0C2238},  // opaque: unchanged
      {0x01FF0180, 0x01010000},  // 255 x 1 / 255 = 1; 1 x 1 / 255 and 128 x 1 / 255 = 0
  };
  for (const Case& c : cases) {
    uint32_t pixel = c.straight;
    Premultiply({&pixel, 1});
    EXPECT_EQ(pixel, c.premultiplied) << std::hex << c.straight;
  }
}

}  // namespace
}  // namespace qv::win
