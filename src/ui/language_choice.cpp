#include "ui/language_choice.h"

namespace qv {
namespace {

constexpr LanguageText kCodes{u"EN", u"CHS", u"CHT"};
constexpr std::array<std::u16string_view, kLanguageCount> kOwnNames = {u"English", u"简体中文", u"繁體中文"};

constexpr uint16_t kPrimaryChinese = 0x04;
// Sub-language ids (the high six bits) of Traditional Chinese: Taiwan, Hong Kong, Macao and
// the neutral "zh-Hant".
constexpr uint16_t kTraditionalSubLanguages[] = {0x01, 0x03, 0x05, 0x1F};

}  // namespace

std::u16string_view LanguageCode(Language language) { return kCodes[language]; }

Language LanguageOfUiLanguage(uint16_t languageId) {
  if ((languageId & 0x3FF) != kPrimaryChinese) return Language::English;
  const uint16_t sub = languageId >> 10;
  for (uint16_t traditional : kTraditionalSubLanguages) {
    if (sub == traditional) return Language::TraditionalChinese;
  }
  return Language::SimplifiedChinese;
}

std::u16string StartLanguageCode(std::u16string_view savedCode, uint16_t uiLanguageId) {
  if (!savedCode.empty()) return std::u16string(savedCode);
  return std::u16string(LanguageCode(LanguageOfUiLanguage(uiLanguageId)));
}

std::array<LanguageMenuItem, kLanguageCount> LanguageMenu(Language current, bool subDialogOpen) {
  std::array<LanguageMenuItem, kLanguageCount> items{};
  for (size_t i = 0; i < kLanguageCount; ++i) {
    const auto language = static_cast<Language>(i);
    items[i] = {language, kOwnNames[i], language == current, !subDialogOpen};
  }
  return items;
}

}  // namespace qv
