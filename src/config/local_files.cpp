#include "config/local_files.h"

#include <algorithm>

#include "common/paths.h"
#include "common/text.h"

namespace qv {
namespace {

constexpr std::u16string_view kConfigName = u"config.bin";
constexpr std::u16string_view kSettingsName = u"str.ini";

bool SameAsciiFold(std::u16string_view a, std::u16string_view b) {
  const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

// The files sit in the executable's folder whatever the executable is called: a browser
// names a second download "QV318_Driver (1).exe". Replacing only the file name also keeps
// a folder named like the program intact.
std::u16string Beside(std::u16string_view modulePath, std::u16string_view name) {
  const size_t nameStart = modulePath.size() - FileNameOf(modulePath).size();
  if (nameStart == 0) return std::u16string();  // no folder: nothing safe to name
  return std::u16string(modulePath.substr(0, nameStart)) + std::u16string(name);
}

bool ConfigExists(FileSystem& files, const LocalPaths& paths) {
  return !paths.configFile.empty() && files.Exists(paths.configFile);
}

}  // namespace

std::u16string FileSystem::LastErrorText() { return u"error " + DecimalText(static_cast<int64_t>(LastError())); }

int ReplaceExeName(std::u16string& path, std::u16string_view replacement) {
  return ReplaceAll(path, kExeName, replacement);
}

LocalPaths DeriveLocalPaths(std::u16string_view modulePath) {
  LocalPaths paths;
  paths.module = modulePath;
  paths.skinBase = Beside(modulePath, u"");
  if (paths.skinBase.empty()) paths.skinBase = modulePath;
  // An executable itself called config.bin or str.ini must never be read or written as one.
  const std::u16string_view exeName = FileNameOf(modulePath);
  if (SameAsciiFold(exeName, kConfigName) || SameAsciiFold(exeName, kSettingsName)) return paths;
  paths.configFile = Beside(modulePath, kConfigName);
  paths.settingsFile = Beside(modulePath, kSettingsName);
  return paths;
}

std::array<uint8_t, kConfigFileSize> ConfigFileContent(uint8_t firstRun, const UiRecord& record) {
  std::array<uint8_t, kConfigFileSize> content{};
  content[0] = firstRun;
  std::copy(record.bytes.begin(), record.bytes.end(), content.begin() + 1);
  return content;
}

ConfigLoad LoadConfigFile(FileSystem& files, MessageBoxes& messages, const LocalPaths& paths, AppState& state) {
  if (!ConfigExists(files, paths)) {
    messages.Show(kConfigMissingText, u"");
    return ConfigLoad::Missing;
  }
  const std::optional<std::vector<uint8_t>> content = files.Read(paths.configFile, kConfigFileSize);
  if (!content || content->size() != kConfigFileSize) return ConfigLoad::Ignored;
  state.firstRun = (*content)[0];
  std::copy(content->begin() + 1, content->end(), state.record.bytes.begin());
  return ConfigLoad::Loaded;
}

ConfigSave SaveConfigFile(FileSystem& files, MessageBoxes& messages, const LocalPaths& paths, const UiRecord& record) {
  if (!ConfigExists(files, paths)) {
    messages.Show(kConfigMissingText, u"");
    return ConfigSave::Missing;
  }
  const std::array<uint8_t, kConfigFileSize> content = ConfigFileContent(1, record);
  if (!files.Replace(paths.configFile, content)) return ConfigSave::NotWritable;
  return ConfigSave::Saved;
}

}  // namespace qv
