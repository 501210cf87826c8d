#include "ui/language_choice.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct UiLanguageCase {
  uint16_t id;
  Language language;
};

class UiLanguageTable : public testing::TestWithParam<UiLanguageCase> {};

TEST_P(UiLanguageTable, SpeaksTheLanguageOfTheDisplayLanguage) {
  EXPECT_EQ(LanguageOfUiLanguage(GetParam().id), GetParam().language) << std::hex << GetParam().id;
}

INSTANTIATE_TEST_SUITE_P(Ids, UiLanguageTable,
                         testing::Values(UiLanguageCase{0x0804, Language::SimplifiedChinese},   // PRC
                                         UiLanguageCase{0x1004, Language::SimplifiedChinese},   // Singapore
                                         UiLanguageCase{0x0004, Language::SimplifiedChinese},   // zh-Hans
                                         UiLanguageCase{0x0404, Language::TraditionalChinese},  // Taiwan
                                         UiLanguageCase{0x0C04, Language::TraditionalChinese},  // Hong Kong
                                         UiLanguageCase{0x1404, Language::TraditionalChinese},  // Macao
                                         UiLanguageCase{0x7C04, Language::TraditionalChinese},  // zh-Hant
                                         UiLanguageCase{0x0409, Language::English},
                                         UiLanguageCase{0x0411, Language::English},  // Japanese
                                         UiLanguageCase{0x0000, Language::English}));

TEST(LanguageMenu, NamesEachLanguageInItselfAndChecksTheOneShown) {
  const auto items = LanguageMenu(Language::TraditionalChinese, false);
  EXPECT_EQ(items[0].text, u"English");
  EXPECT_EQ(items[1].text, u"简体中文");
  EXPECT_EQ(items[2].text, u"繁體中文");
  for (const LanguageMenuItem& item : items) {
    EXPECT_EQ(item.checked, item.language == Language::TraditionalChinese);
    EXPECT_EQ(LanguageFromCode(LanguageCode(item.language)), item.language);  // "Lan" reads back
  }
  EXPECT_FALSE(LanguageMenu(Language::English, true)[1].enabled);
}

}  // namespace
}  // namespace qv
