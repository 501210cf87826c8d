#include "config/startup.h"

#include "config/defaults.h"
#include "config/mouse_settings.h"
#include "config/record_rules.h"
#include "config/unfinished_write.h"
#include "ui/language_choice.h"

namespace qv {

MouseTaken LoadLocalState(std::u16string_view modulePath, StartupFiles services, AppState& state, LocalState& local) {
  local.paths = DeriveLocalPaths(modulePath);
  // Without a config.bin the page starts from the installed defaults, and a damaged one
  // must not put on the page what the window cannot set.
  if (LoadConfigFile(services.files, services.messages, local.paths, state) == ConfigLoad::Loaded) {
    KeepProducible(state.record, DefaultRecord(), state.dpiSelector);
  } else {
    state.record = DefaultRecord();
  }
  state.savedCopy = state.record;
  const std::optional<std::u16string> unfinished = ReadUnfinishedWrite(services.files, local.paths);
  state.writeUnfinished = unfinished.has_value();
  state.unfinishedMouse = unfinished.value_or(u"");
  state.display.languageCode =
      StartLanguageCode(ReadLanguageCode(services.profile, local.paths.settingsFile), services.uiLanguage);
  local.settings.section = KeyNameSection(state.display.languageCode);
  ReadSettings(services.profile, local.paths.settingsFile, local.settings);
  state.display.skinDir = SkinDirectory(local.paths, local.settings.skinName);
  state.display.textColour = TextColourOf(local.settings);
  state.display.skinName = local.settings.skinName;
  return TakeMouseSettings(state, local.settings.keyNames);
}

std::optional<uint32_t> StartupNotice(MouseTaken taken) {
  if (taken == MouseTaken::WriteUnfinished || taken == MouseTaken::EditsKept) return NoticeOfTaken(taken);
  return std::nullopt;
}

std::u16string SkinDirectory(const LocalPaths& paths, std::u16string_view skinName) {
  return paths.skinBase + u"/Skins/" + std::u16string(skinName);
}

}  // namespace qv
