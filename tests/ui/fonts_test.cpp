#include "ui/fonts.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SkinFonts, FollowLanguageRoleAndWindowsVersion) {
  struct Case {
    Language language;
    FontRole role;
    unsigned major, minor;
    int height, weight;
    std::u16string_view face;
  };
  const Case cases[] = {
      {Language::SimplifiedChinese, FontRole::Text, 6, 2, 13, 400, u"黑体"},
      {Language::SimplifiedChinese, FontRole::Title, 6, 2, 18, 700, u"黑体"},
      {Language::SimplifiedChinese, FontRole::Text, 6, 1, 13, 400, u"宋体"},
      {Language::SimplifiedChinese, FontRole::Title, 10, 0, 18, 700, u"宋体"},
      {Language::TraditionalChinese, FontRole::Text, 6, 1, 14, 400, u"黑体"},
      {Language::TraditionalChinese, FontRole::Title, 6, 2, 18, 700, u"黑体"},
      {Language::English, FontRole::Text, 6, 2, 14, 400, u"Arial"},
      {Language::English, FontRole::Title, 6, 2, 18, 700, u"Tahoma"},
  };
  for (const Case& c : cases) {
    const FontSpec spec = SkinFont(c.language, c.role, c.major, c.minor);
    EXPECT_EQ(spec.height, c.height);
    EXPECT_EQ(spec.weight, c.weight);
    EXPECT_EQ(spec.face, c.face) << static_cast<int>(c.language) << " " << c.major << "." << c.minor;
  }
}

}  // namespace
}  // namespace qv
