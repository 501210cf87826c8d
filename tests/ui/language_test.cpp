#include "ui/language.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(LanguageSelection, OnlyExactUpperCaseCodesSelectChinese) {
  struct Case {
    std::u16string_view code;
    Language expected;
  };
  const Case cases[] = {
      {u"CHS", Language::SimplifiedChinese}, {u"CHT", Language::TraditionalChinese},
      {u"chs", Language::English},           {u"CHS ", Language::English},
      {u"", Language::English},              {u"EN", Language::English},
      {u" CHT", Language::English},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageFromCode(c.code), c.expected) << "code of length " << c.code.size();
  }
}

TEST(LanguageTexts, EverySlotHasATextInEveryLanguage) {
  for (Language lang : {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
    for (int slot = 1; slot <= kTextSlotCount; ++slot) {
      EXPECT_FALSE(Text(lang, slot).empty()) << "slot " << slot;
    }
    EXPECT_TRUE(Text(lang, 0).empty());
    EXPECT_TRUE(Text(lang, kTextSlotCount + 1).empty());
  }
}

TEST(LanguageTexts, SlotsTheShellUsesReadAsTheTableSays) {
  EXPECT_EQ(Text(Language::TraditionalChinese, kSlotExit), u"退出");
  EXPECT_EQ(Text(Language::SimplifiedChinese, kSlotExit), u"退出");
  EXPECT_EQ(Text(Language::English, kSlotExit), u"Exit");
  EXPECT_EQ(Text(Language::TraditionalChinese, kSlotMouseMissing), u"系統沒有檢測到遊戲滑鼠！");
  EXPECT_EQ(Text(Language::SimplifiedChinese, kSlotCancel), u"取消");
  EXPECT_EQ(Text(Language::TraditionalChinese, kSlotCancel), u"取消");
  EXPECT_EQ(Text(Language::English, kSlotNonDisplay), u"Non-Disolay");
  EXPECT_EQ(Text(Language::English, kSlotDpiStage2), u"Switch DPI into the second stage ");
  EXPECT_EQ(Text(Language::SimplifiedChinese, kSlotDpiStage2), u"DPI切换到第二段");
  EXPECT_EQ(Text(Language::English, kSlotKeyNameSection), u"Setting-EN");
  EXPECT_EQ(Text(Language::SimplifiedChinese, kSlotKeyNameSection), u"Setting-CHS");
  EXPECT_EQ(Text(Language::TraditionalChinese, kSlotKeyNameSection), u"Setting-CHT");
  EXPECT_EQ(Text(Language::English, kSlotWebAddress), u"User's Guide");
}

}  // namespace
}  // namespace qv
