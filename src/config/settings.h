#pragma once
// str.ini: the language code, the skin, the text colour and the 16 key names, read and
// written through the system's profile functions on that one file.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/app_state.h"
#include "model/config_image.h"
#include "ui/language.h"

namespace qv {

inline constexpr size_t kProfileBufferChars = 1024;
inline constexpr std::u16string_view kSkinsSection = u"Skins";
inline constexpr std::u16string_view kDefaultSkinName = u"Carbon";

struct ProfileEntry {
  std::u16string key;
  std::u16string value;
};

// INI access. Get has no default: a missing file, section or key reads as empty; the value
// is at most kProfileBufferChars - 1 characters, cut at its first zero.
class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  virtual std::u16string Get(std::u16string_view file, std::u16string_view section, std::u16string_view key) = 0;
  virtual void Put(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) = 0;
  // Several keys of one section, in order, as one change where the platform can make it
  // one: a process killed meanwhile leaves the file with all of them or none. False when
  // they could not be written; the file is then as it was.
  virtual bool PutAll(std::u16string_view file, std::u16string_view section, std::span<const ProfileEntry> entries) {
    for (const ProfileEntry& entry : entries) Put(file, section, entry.key, entry.value);
    return true;
  }
  // Why the last PutAll failed, in the system's words.
  virtual std::u16string LastErrorText() { return {}; }
};

// What the main dialog keeps from str.ini.
struct Settings {
  std::array<std::array<std::u16string, kKeysPerMode>, 2> keyNames;  // [mode][key - 1]
  std::u16string red, green, blue;                                    // colour as decimal text
  std::u16string skinName;
  std::u16string section;  // the language's key-name section

  std::u16string& KeyName(KeyMode mode, int key) {
    return keyNames[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)];
  }
  const std::u16string& KeyName(KeyMode mode, int key) const {
    return keyNames[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)];
  }
};

// The INI key of a key name: "Item1".."Item8" for Mode A, "Item13".."Item83" for Mode B.
std::u16string ItemKey(KeyMode mode, int key);

// "Skins"/"Lan"; an empty settings path reads as empty.
std::u16string ReadLanguageCode(ProfileStore& store, std::u16string_view settingsFile);
void WriteLanguageCode(ProfileStore& store, std::u16string_view settingsFile, std::u16string_view code);

// "Setting-CHS", "Setting-CHT" or "Setting-EN" for a language code.
std::u16string KeyNameSection(std::u16string_view languageCode);

// The 16 key names from settings.section, then RColor, GColor, BColor and Path. A Path
// that would lead out of the Skins folder (a drive, a root, a UNC name, "..") gives the
// default skin: the skin folder must never be chosen by whoever can edit str.ini.
void ReadSettings(ProfileStore& store, std::u16string_view settingsFile, Settings& settings);

// The 16 key names into settings.section, Item1..Item8 then Item13..Item83; false when
// str.ini could not be written.
bool WriteKeyNames(ProfileStore& store, std::u16string_view settingsFile, const Settings& settings);

// Decimal text to a colour byte: like atoi, truncated to the low byte ("300" gives 44).
uint8_t ColourByte(std::u16string_view text);
TextColour TextColourOf(const Settings& settings);

// The default key names of both modes: the three clicks, "DPI Loop", then "Key Off".
void SetDefaultKeyNames(Settings& settings, Language language);

// Said once when the chosen skin cannot be loaded and the default one is shown instead.
std::u16string SkinFallbackText(Language language, std::u16string_view failedSkin);

// What the skins dialog hands back when it ends with OK.
struct SkinChoice {
  std::u16string skinDir;
  std::u16string skinName;
  TextColour colour;
};

// Takes the choice as skin directory, name and text colour, and writes RColor, GColor,
// BColor ("%d") and then Path to "Skins". Rebuilding the page and showing the window stay
// with the caller.
void ApplySkinChoice(ProfileStore& store, std::u16string_view settingsFile, const SkinChoice& choice,
                     Settings& settings, DisplayState& display);

}  // namespace qv
