#pragma once
// The Profiles folder beside config.bin: one file per profile ("NAME.qvprofile") and one
// small file of the profiles' settings (which program wants which profile, the default,
// automatic switching, the hot key). config.bin and str.ini are not touched.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "config/local_files.h"
#include "profiles/profile.h"

namespace qv {

inline constexpr std::u16string_view kProfilesFolder = u"Profiles";
inline constexpr std::u16string_view kProfileExtension = u".qvprofile";
inline constexpr std::u16string_view kProfileSettingsFile = u"profiles.ini";

// A program that wants a profile: a file name ("game.exe") matches that program wherever
// it is; a full path matches that one file only.
struct ProfileBinding {
  std::u16string program;
  std::u16string profile;
  friend bool operator==(const ProfileBinding&, const ProfileBinding&) = default;
};

struct ProfileSettings {
  std::u16string defaultProfile;  // none when empty
  bool switchAutomatically = false;
  uint32_t hotKeyModifiers = 0;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8
  uint32_t hotKeyVirtualKey = 0;  // none when 0
  std::vector<ProfileBinding> bindings;
  friend bool operator==(const ProfileSettings&, const ProfileSettings&) = default;
};

std::string ProfileSettingsText(const ProfileSettings& settings);
// A damaged line is passed over: the settings are the player's convenience, never the mouse's.
ProfileSettings ParseProfileSettings(std::string_view text);

// The profile a program's full image path wants: a binding by full path before one by file
// name, both without regard to letter case (as Windows names files); none when unbound.
std::optional<std::u16string> ProfileForProgram(const ProfileSettings& settings, std::u16string_view imagePath);

// Empty when `name` can be a profile's name (and so a file name on every system);
// otherwise the sentence saying why not.
std::string RefusedProfileName(std::u16string_view name);

class ProfileLibrary {
 public:
  ProfileLibrary(FileSystem& files, std::u16string folder) : files_(files), folder_(std::move(folder)) {}

  const std::u16string& Folder() const { return folder_; }
  // Sorted without regard to letter case.
  std::vector<std::u16string> Names() const;
  bool Exists(std::u16string_view name) const;
  // The profile, or the sentence (naming it) that says why it is refused.
  std::variant<Profile, std::string> Load(std::u16string_view name) const;

  // Each answers nothing on success, else the sentence saying what failed.
  std::optional<std::string> Save(std::u16string_view name, const Profile& profile);
  std::optional<std::string> Rename(std::u16string_view from, std::u16string_view to);
  std::optional<std::string> Duplicate(std::u16string_view from, std::u16string_view to);
  std::optional<std::string> Delete(std::u16string_view name);
  // A profile file from anywhere, checked whole before it is copied in; its name is the
  // file's own unless one is given.
  std::optional<std::string> Import(std::u16string_view file, std::u16string_view name);
  std::optional<std::string> Export(std::u16string_view name, std::u16string_view file) const;

  ProfileSettings Settings() const;
  std::optional<std::string> SaveSettings(const ProfileSettings& settings);

 private:
  std::u16string PathOf(std::u16string_view name) const;
  std::string Reason() const;  // why the last file operation failed, as part of a sentence
  std::optional<std::string> ReadText(std::u16string_view file, std::string& text) const;
  std::optional<std::string> WriteText(std::u16string_view file, const std::string& text) const;

  FileSystem& files_;
  std::u16string folder_;
};

// "\"Work\"" in the messages.
std::string QuotedName(std::u16string_view name);

}  // namespace qv
