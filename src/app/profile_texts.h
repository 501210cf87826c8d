#pragma once
// What the tray menu, its name prompt and its notices say about profiles, in the three
// languages; "%s" stands for a profile's name.
#include <string>
#include <string_view>

#include "app/notices.h"
#include "ui/language.h"

namespace qv {

enum class ProfileText {
  Menu, SaveAs, Manage, SwitchAutomatically, NoProfiles,
  NameTitle, NamePrompt, NameExists,
  Taken, Saved, Refused, AutoFailed,
  // The manage dialog; its buttons' texts are also their names.
  ManageTitle, ManageList, ManagePrograms, ManageHotKey, Rename, Duplicate, Delete, Import, Export, SetDefault,
  BindRunning, BindBrowse, Unbind, FullPath, DeleteAsk, DefaultMark, ProgramFilter, ProfileFilter,
  RenameTitle, DuplicateTitle, HotKeyNone, HotKeyNote,
  // What a reader calls the two lists and the hot key field.
  ProgramsName, ProfilesName, HotKeyName,
};

// The text in the three languages, as it stands ("%s" left in).
const LanguageText& ProfileLanguageText(ProfileText text);

// The text with every "%s" replaced by `name`.
std::u16string ProfileWords(ProfileText text, Language language, std::u16string_view name = {});

// The tray icon's tip: the program's, and the profile the mouse holds when one does.
std::u16string TrayTip(std::u16string_view profileOnMouse);

inline Notice ProfileNotice(ProfileText text, Language language, std::u16string_view name) {
  return Notice{ProfileWords(text, language, name), text == ProfileText::AutoFailed ? kWarningCaption[language] : kInfoCaption[language], 5000};
}

}  // namespace qv
