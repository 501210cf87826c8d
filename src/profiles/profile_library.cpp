#include "profiles/profile_library.h"

#include <algorithm>

#include "common/paths.h"
#include "common/text.h"

namespace qv {
namespace {

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return Folded(x) == Folded(y); });
}

// Larger than any profile may be, so that the parser can say a file is too large; reading
// stops short of a file that is plainly something else.
constexpr size_t kReadMax = 16 * kProfileFileMax;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string QuotedName(std::u16string_view name) { return "\"" + ToUtf8(name) + "\""; }

std::string ProfileSettingsText(const ProfileSettings& s) {
  std::string text = "# QV318 profiles: the default, automatic switching, the hot key and the programs bound.\n";
  text += "default = " + ToUtf8(s.defaultProfile) + "\n";
  text += std::string("switchAutomatically = ") + (s.switchAutomatically ? "true" : "false") + "\n";
  text += "hotKey = " + std::to_string(s.hotKeyModifiers) + " " + std::to_string(s.hotKeyVirtualKey) + "\n";
  for (const ProfileBinding& b : s.bindings) text += "bind = " + ToUtf8(b.profile) + " | " + ToUtf8(b.program) + "\n";
  return text;
}

ProfileSettings ParseProfileSettings(std::string_view text) {
  ProfileSettings s;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const size_t equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (key == "default" && RefusedProfileName(FromUtf8(value)).empty()) s.defaultProfile = FromUtf8(value);
    if (key == "switchAutomatically") s.switchAutomatically = value == "true";
    if (key == "hotKey") {
      unsigned modifiers = 0, vk = 0;
      if (std::sscanf(std::string(value).c_str(), "%u %u", &modifiers, &vk) == 2 && modifiers <= 15 && vk <= 0xFE) {
        s.hotKeyModifiers = modifiers;
        s.hotKeyVirtualKey = vk;
      }
    }
    const size_t bar = value.find('|');
    if (key == "bind" && bar != std::string_view::npos) {
      const std::u16string profile = FromUtf8(Trim(value.substr(0, bar)));
      const std::u16string program = FromUtf8(Trim(value.substr(bar + 1)));
      if (RefusedProfileName(profile).empty() && !program.empty()) s.bindings.push_back({program, profile});
    }
  }
  return s;
}

std::optional<std::u16string> ProfileForProgram(const ProfileSettings& settings, std::u16string_view imagePath) {
  for (const ProfileBinding& b : settings.bindings) {
    if (FileNameOf(b.program).size() != b.program.size() && SameIgnoringCase(b.program, imagePath)) return b.profile;
  }
  for (const ProfileBinding& b : settings.bindings) {
    if (FileNameOf(b.program).size() == b.program.size() && SameIgnoringCase(b.program, FileNameOf(imagePath))) {
      return b.profile;
    }
  }
  return std::nullopt;
}

std::string RefusedProfileName(std::u16string_view name) {
  if (name.empty()) return "a profile needs a name";
  if (name.size() > kProfileNameMax) return "a profile's name has at most 64 characters";
  if (name.front() == u' ' || name.back() == u' ' || name.back() == u'.') {
    return "a profile's name may not begin or end with a blank, nor end with a full stop";
  }
  for (char16_t c : name) {
    if (c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) {
      return "a profile's name may not hold any of \\ / : * ? \" < > |";
    }
  }
  return {};
}

// The system's words end in a full stop (and on Windows a line break); the sentences here get
// theirs from whoever shows them.
std::string ProfileLibrary::Reason() const {
  std::string text = ToUtf8(files_.LastErrorText());
  while (!text.empty() && std::string_view(". \r\n").find(text.back()) != std::string_view::npos) text.pop_back();
  return text;
}

std::u16string ProfileLibrary::PathOf(std::u16string_view name) const {
  return JoinPath(folder_, std::u16string(name) + std::u16string(kProfileExtension));
}

std::optional<std::string> ProfileLibrary::ReadText(std::u16string_view file, std::string& text) const {
  const std::optional<std::vector<uint8_t>> content = files_.Read(file, kReadMax);
  if (!content) return "cannot be read";
  text.assign(content->begin(), content->end());
  return std::nullopt;
}

// Through a new file beside the target, so a cut-short write never leaves half a file.
std::optional<std::string> ProfileLibrary::WriteText(std::u16string_view file, const std::string& text) const {
  const std::u16string_view folder = DirectoryOf(file);
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  if ((folder.empty() || files_.MakeFolder(folder)) && files_.Replace(file, std::span(bytes, text.size()))) {
    return std::nullopt;
  }
  return "cannot write " + ToUtf8(file) + ": " + Reason();
}

std::vector<std::u16string> ProfileLibrary::Names() const {
  std::vector<std::u16string> names;
  for (const std::u16string& file : files_.FileNames(folder_).value_or(std::vector<std::u16string>{})) {
    const std::u16string_view stem = StemOf(file);
    if (std::u16string_view(file).substr(stem.size()) == kProfileExtension && !stem.empty()) names.emplace_back(stem);
  }
  std::sort(names.begin(), names.end(), [](const std::u16string& a, const std::u16string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
  });
  return names;
}

bool ProfileLibrary::Exists(std::u16string_view name) const {
  return RefusedProfileName(name).empty() && files_.Exists(PathOf(name));
}

std::variant<Profile, std::string> ProfileLibrary::Load(std::u16string_view name) const {
  const std::string refused = "the profile " + QuotedName(name) + " ";
  if (!Exists(name)) return refused + "does not exist";
  std::string text;
  if (const auto error = ReadText(PathOf(name), text)) return refused + *error;
  auto parsed = ParseProfile(text);
  if (const auto* wrong = std::get_if<std::string>(&parsed)) return refused + "is damaged (" + *wrong + ")";
  return parsed;
}

std::optional<std::string> ProfileLibrary::Save(std::u16string_view name, const Profile& profile) {
  if (const std::string refused = RefusedProfileName(name); !refused.empty()) return refused;
  return WriteText(PathOf(name), ProfileFileText(profile));
}

std::optional<std::string> ProfileLibrary::Duplicate(std::u16string_view from, std::u16string_view to) {
  if (const std::string refused = RefusedProfileName(to); !refused.empty()) return refused;
  if (Exists(to)) return "a profile named " + QuotedName(to) + " already exists";
  auto loaded = Load(from);
  if (const auto* wrong = std::get_if<std::string>(&loaded)) return *wrong;
  return Save(to, std::get<Profile>(loaded));
}

std::optional<std::string> ProfileLibrary::Rename(std::u16string_view from, std::u16string_view to) {
  if (const std::string refused = RefusedProfileName(to); !refused.empty()) return refused;
  if (!Exists(from)) return "the profile " + QuotedName(from) + " does not exist";
  if (Exists(to) && !SameIgnoringCase(from, to)) return "a profile named " + QuotedName(to) + " already exists";
  if (!files_.Rename(PathOf(from), PathOf(to))) {
    return "cannot rename " + QuotedName(from) + ": " + Reason();
  }
  ProfileSettings s = Settings();
  if (s.defaultProfile == from) s.defaultProfile = to;
  for (ProfileBinding& b : s.bindings) {
    if (b.profile == from) b.profile = to;
  }
  return SaveSettings(s);
}

std::optional<std::string> ProfileLibrary::Delete(std::u16string_view name) {
  if (!Exists(name)) return "the profile " + QuotedName(name) + " does not exist";
  if (!files_.Remove(PathOf(name))) return "cannot delete " + QuotedName(name) + ": " + Reason();
  ProfileSettings s = Settings();
  if (s.defaultProfile == name) s.defaultProfile.clear();
  std::erase_if(s.bindings, [&](const ProfileBinding& b) { return b.profile == name; });
  return SaveSettings(s);
}

std::optional<std::string> ProfileLibrary::Import(std::u16string_view file, std::u16string_view name) {
  std::u16string chosen(name);
  if (chosen.empty()) chosen = StemOf(FileNameOf(file));
  if (const std::string refused = RefusedProfileName(chosen); !refused.empty()) return refused;
  std::string text;
  if (const auto error = ReadText(file, text)) return ToUtf8(file) + " " + *error;
  auto parsed = ParseProfile(text);
  if (const auto* wrong = std::get_if<std::string>(&parsed)) {
    return ToUtf8(file) + " is not a sound profile (" + *wrong + "); nothing was imported";
  }
  if (Exists(chosen)) return "a profile named " + QuotedName(chosen) + " already exists";
  return Save(chosen, std::get<Profile>(parsed));
}

std::optional<std::string> ProfileLibrary::Export(std::u16string_view name, std::u16string_view file) const {
  auto loaded = Load(name);
  if (const auto* wrong = std::get_if<std::string>(&loaded)) return *wrong;
  return WriteText(file, ProfileFileText(std::get<Profile>(loaded)));
}

ProfileSettings ProfileLibrary::Settings() const {
  std::string text;
  if (ReadText(JoinPath(folder_, kProfileSettingsFile), text)) return {};
  return ParseProfileSettings(text);
}

std::optional<std::string> ProfileLibrary::SaveSettings(const ProfileSettings& settings) {
  return WriteText(JoinPath(folder_, kProfileSettingsFile), ProfileSettingsText(settings));
}

}  // namespace qv
