#pragma once
// The language chosen from the tray menu: kept in str.ini and taken at once.
#include "config/startup.h"
#include "ui/language.h"

namespace qv {

// Writes "Lan" and makes `language` the one shown: the display state's code and the
// key-name section the names are read from and saved to from now on. Rebuilding the page
// in it stays with the caller.
void ChooseLanguage(ProfileStore& store, LocalState& local, DisplayState& display, Language language);

}  // namespace qv
