#include "config/language_setting.h"

#include "ui/language_choice.h"

namespace qv {

void ChooseLanguage(ProfileStore& store, LocalState& local, DisplayState& display, Language language) {
  display.languageCode = std::u16string(LanguageCode(language));
  local.settings.section = KeyNameSection(display.languageCode);
  WriteLanguageCode(store, local.paths.settingsFile, display.languageCode);
}

}  // namespace qv
