#pragma once
// Which language the window speaks: the code str.ini keeps, the one a first start takes
// from the system's display language, and the tray menu that changes it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/language.h"

namespace qv {

// The "Lan" value of each language: "EN", "CHS" or "CHT".
std::u16string_view LanguageCode(Language language);

// A Windows language id (GetUserDefaultUILanguage): Chinese of Taiwan, Hong Kong, Macao or
// the neutral Traditional id speaks Traditional Chinese, any other Chinese Simplified, and
// every other language English.
Language LanguageOfUiLanguage(uint16_t languageId);

// A saved "Lan" is kept as it is, even one that reads as English; only none at all takes
// the display language.
std::u16string StartLanguageCode(std::u16string_view savedCode, uint16_t uiLanguageId);

// The tray menu's language entries, each named in its own language so that a user who
// cannot read the current one still finds theirs.
struct LanguageMenuItem {
  Language language;
  std::u16string_view text;
  bool checked;
  bool enabled;
};
// While a sub-dialog runs the page must not be rebuilt under it: the entries are greyed.
std::array<LanguageMenuItem, kLanguageCount> LanguageMenu(Language current, bool subDialogOpen);

}  // namespace qv
