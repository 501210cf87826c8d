#include "config/local_files.h"

#include <algorithm>

#include "common/text.h"

namespace qv {
namespace {

constexpr std::u16string_view kConfigName = u"config.bin";
constexpr std::u16string_view kSettingsName = u"str.ini";

std::u16string Derived(std::u16string_view modulePath, std::u16string_view replacement) {
  std::u16string path(modulePath);
  return ReplaceExeName(path, replacement) > 0 ? path : std::u16string();
}

bool ConfigExists(FileSystem& files, const LocalPaths& paths) {
  return !paths.configFile.empty() && files.Exists(paths.configFile);
}

}  // namespace

int ReplaceExeName(std::u16string& path, std::u16string_view replacement) {
  return ReplaceAll(path, kExeName, replacement);
}

LocalPaths DeriveLocalPaths(std::u16string_view modulePath) {
  LocalPaths paths;
  paths.module = modulePath;
  paths.configFile = Derived(modulePath, kConfigName);
  paths.settingsFile = Derived(modulePath, kSettingsName);
  paths.skinBase = modulePath;
  ReplaceExeName(paths.skinBase, u"");
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
  if (!files.Replace(paths.configFile, content)) {
    messages.Show(u"Error Code is: " + DecimalText(static_cast<int32_t>(files.LastError())) + u" \n", kConfigWriteCaption);
    return ConfigSave::NotWritable;
  }
  return ConfigSave::Saved;
}

}  // namespace qv
