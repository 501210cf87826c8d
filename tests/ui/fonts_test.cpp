#include "ui/fonts.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SkinFonts, ChineseTakesTheInterfaceFaceOfItsScriptFirst) {
  struct Case {
    Language language;
    FontRole role;
    int height, weight;
    std::u16string_view first;
  };
  const Case cases[] = {
      {Language::SimplifiedChinese, FontRole::Text, 13, 400, u"Microsoft YaHei UI"},
      {Language::SimplifiedChinese, FontRole::Title, 18, 700, u"Microsoft YaHei UI"},
      {Language::TraditionalChinese, FontRole::Text, 14, 400, u"Microsoft JhengHei UI"},
      {Language::TraditionalChinese, FontRole::Title, 18, 700, u"Microsoft JhengHei UI"},
      {Language::English, FontRole::Text, 14, 400, u"Arial"},
      {Language::English, FontRole::Title, 18, 700, u"Tahoma"},
  };
  for (const Case& c : cases) {
    const FontSpec spec = SkinFont(c.language, c.role);
    EXPECT_EQ(spec.height, c.height);
    EXPECT_EQ(spec.weight, c.weight);
    ASSERT_FALSE(spec.faces.empty());
    EXPECT_EQ(spec.faces.front(), c.first) << static_cast<int>(c.language);
    // A Chinese text never falls to a face without its script: the list ends on a CJK face.
    if (c.language != Language::English) {
      EXPECT_GT(spec.faces.back().front(), u'\x7f');
    }
  }
}

}  // namespace
}  // namespace qv
