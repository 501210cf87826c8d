#pragma once
// The start-up steps that come from the local files: paths, config.bin and the saved copy,
// the language code and its key-name section, str.ini, and the skin and text colour that
// the painters read.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/platform.h"
#include "config/local_files.h"
#include "config/mouse_settings.h"
#include "config/settings.h"
#include "model/app_state.h"

namespace qv {

// Owned by the main dialog for the life of the process.
struct LocalState {
  LocalPaths paths;
  Settings settings;
};

struct StartupFiles {
  FileSystem& files;
  ProfileStore& profile;
  MessageBoxes& messages;
  uint16_t uiLanguage = 0;  // the system's display language, for a str.ini without "Lan"
};

// Fills local, state.record, state.savedCopy, state.firstRun, state.writeUnfinished and
// state.display (language code, skin directory and name, text colour). Runs after the mouse
// has been read: what a complete read found overrides config.bin's record, unless the last
// write did not finish (config.bin then holds what it was to leave). Answers what the record
// took (config/mouse_settings.h).
MouseTaken LoadLocalState(std::u16string_view modulePath, StartupFiles services, AppState& state, LocalState& local);

// The notice the start-up owes the user once the local state is loaded, if any.
std::optional<uint32_t> StartupNotice(MouseTaken taken);

// The skin directory: skin base, "/Skins/", skin name.
std::u16string SkinDirectory(const LocalPaths& paths, std::u16string_view skinName);

}  // namespace qv
