// Writes the default config.bin and str.ini of an installation into the current directory
// (or the directory given as the only argument), from the core's own record layout.
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "config/defaults.h"
#include "config/local_files.h"
#include "config/settings.h"
#include "ui/language.h"

namespace {

constexpr std::u16string_view kDefaultColour = u"230";  // light grey on the dark skin

std::u16string Line(std::u16string_view key, std::u16string_view value) {
  return std::u16string(key) + u"=" + std::u16string(value) + u"\r\n";
}

std::u16string KeyNameSection(qv::Language language) {
  qv::Settings settings;
  qv::SetDefaultKeyNames(settings, language);
  std::u16string text = u"[" + std::u16string(qv::Text(language, qv::kSlotKeyNameSection)) + u"]\r\n";
  for (qv::KeyMode mode : {qv::KeyMode::A, qv::KeyMode::B}) {
    for (int key = 1; key <= qv::kKeysPerMode; ++key) {
      text += Line(qv::ItemKey(mode, key), settings.KeyName(mode, key));
    }
  }
  return text;
}

std::u16string SettingsText() {
  std::u16string text = u"[" + std::u16string(qv::kSkinsSection) + u"]\r\n";
  // No "Lan": a first start speaks the display language of Windows until the user chooses.
  text += Line(u"Path", qv::kDefaultSkinName);
  text += Line(u"RColor", kDefaultColour);
  text += Line(u"GColor", kDefaultColour);
  text += Line(u"BColor", kDefaultColour);
  // Names for every language, so that changing "Lan" later still finds captions.
  for (qv::Language language :
       {qv::Language::English, qv::Language::SimplifiedChinese, qv::Language::TraditionalChinese}) {
    text += KeyNameSection(language);
  }
  return text;
}

// UTF-16LE with a byte-order mark: the only encoding the profile functions keep Chinese in.
std::string Utf16LeWithBom(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

bool WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? std::string(argv[1]) + "/" : std::string();
  const auto config = qv::ConfigFileContent(0, qv::DefaultRecord());
  const std::string_view configBytes(reinterpret_cast<const char*>(config.data()), config.size());
  if (!WriteFile(dir + "config.bin", configBytes) || !WriteFile(dir + "str.ini", Utf16LeWithBom(SettingsText()))) {
    std::fprintf(stderr, "make_defaults: cannot write into '%s'\n", dir.c_str());
    return 1;
  }
  return 0;
}
