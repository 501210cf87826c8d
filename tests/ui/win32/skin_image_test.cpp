#include "ui/win32/skin_image.h"

#include <gtest/gtest.h>

#include <algorithm>
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

}  // namespace
}  // namespace qv::win
