#include "config/startup.h"

#include "config/mouse_settings.h"
#include "ui/language_choice.h"

namespace qv {

void LoadLocalState(std::u16string_view modulePath, StartupFiles services, AppState& state, LocalState& local) {
  local.paths = DeriveLocalPaths(modulePath);
  LoadConfigFile(services.files, services.messages, local.paths, state);
  state.savedCopy = state.record;
  state.display.languageCode =
      StartLanguageCode(ReadLanguageCode(services.profile, local.paths.settingsFile), services.uiLanguage);
  local.settings.section = KeyNameSection(state.display.languageCode);
  ReadSettings(services.profile, local.paths.settingsFile, local.settings);
  state.display.skinDir = SkinDirectory(local.paths, local.settings.skinName);
  state.display.textColour = TextColourOf(local.settings);
  state.display.skinName = local.settings.skinName;
  TakeMouseSettings(state, local.settings.keyNames);
}

std::u16string SkinDirectory(const LocalPaths& paths, std::u16string_view skinName) {
  return paths.skinBase + u"/Skins/" + std::u16string(skinName);
}

}  // namespace qv
