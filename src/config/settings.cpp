#include "config/settings.h"

#include <vector>

#include "common/paths.h"
#include "common/text.h"
#include "ui/key_names.h"

namespace qv {
namespace {

constexpr std::u16string_view kLanguageKey = u"Lan";
constexpr std::u16string_view kPathKey = u"Path";
constexpr std::u16string_view kRedKey = u"RColor";
constexpr std::u16string_view kGreenKey = u"GColor";
constexpr std::u16string_view kBlueKey = u"BColor";

// An empty path stands for a settings file that must not be touched.
std::u16string Get(ProfileStore& store, std::u16string_view file, std::u16string_view section,
                   std::u16string_view key) {
  return file.empty() ? std::u16string() : store.Get(file, section, key);
}

bool PutAll(ProfileStore& store, std::u16string_view file, std::u16string_view section,
            std::span<const ProfileEntry> entries) {
  return file.empty() || store.PutAll(file, section, entries);
}

}  // namespace

std::u16string ItemKey(KeyMode mode, int key) {
  std::u16string name = u"Item" + DecimalText(key);
  if (mode == KeyMode::B) name += u"3";
  return name;
}

std::u16string ReadLanguageCode(ProfileStore& store, std::u16string_view settingsFile) {
  return Get(store, settingsFile, kSkinsSection, kLanguageKey);
}

void WriteLanguageCode(ProfileStore& store, std::u16string_view settingsFile, std::u16string_view code) {
  const ProfileEntry entry{std::u16string(kLanguageKey), std::u16string(code)};
  PutAll(store, settingsFile, kSkinsSection, {&entry, 1});
}

std::u16string KeyNameSection(std::u16string_view languageCode) {
  return std::u16string(Text(LanguageFromCode(languageCode), kSlotKeyNameSection));
}

void ReadSettings(ProfileStore& store, std::u16string_view settingsFile, Settings& settings) {
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kKeysPerMode; ++key) {
      settings.KeyName(mode, key) = Get(store, settingsFile, settings.section, ItemKey(mode, key));
    }
  }
  settings.red = Get(store, settingsFile, kSkinsSection, kRedKey);
  settings.green = Get(store, settingsFile, kSkinsSection, kGreenKey);
  settings.blue = Get(store, settingsFile, kSkinsSection, kBlueKey);
  settings.skinName = Get(store, settingsFile, kSkinsSection, kPathKey);
  // No Path (a missing str.ini is how users reset it) means the default skin too.
  if (settings.skinName.empty() || !IsNameInsideFolder(settings.skinName)) settings.skinName = kDefaultSkinName;
}

bool WriteKeyNames(ProfileStore& store, std::u16string_view settingsFile, const Settings& settings) {
  std::vector<ProfileEntry> entries;
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kKeysPerMode; ++key) entries.push_back({ItemKey(mode, key), settings.KeyName(mode, key)});
  }
  return PutAll(store, settingsFile, settings.section, entries);
}

uint8_t ColourByte(std::u16string_view text) {
  return static_cast<uint8_t>(static_cast<uint64_t>(ParseDecimalPrefix(text)) & 0xFF);
}

TextColour TextColourOf(const Settings& settings) {
  return {ColourByte(settings.red), ColourByte(settings.green), ColourByte(settings.blue)};
}

std::u16string SkinFallbackText(Language language, std::u16string_view failedSkin) {
  static constexpr LanguageText kBefore{u"The skin \u201C", u"无法加载皮肤\u201C", u"無法載入皮膚\u201C"};
  static constexpr LanguageText kAfter{u"\u201D could not be loaded, so the default skin \u201CCarbon\u201D is shown. "
                                       u"The Skins button chooses another.",
                                       u"\u201D，已改用默认皮肤\u201CCarbon\u201D。可用\u201C皮肤\u201D按钮另选。",
                                       u"\u201D，已改用預設皮膚\u201CCarbon\u201D。可用\u201C皮膚\u201D按鈕另選。"};
  return std::u16string(kBefore[language]) + std::u16string(failedSkin) + std::u16string(kAfter[language]);
}

void SetDefaultKeyNames(Settings& settings, Language language) { FillDefaultKeyNames(settings.keyNames, language); }

void ApplySkinChoice(ProfileStore& store, std::u16string_view settingsFile, const SkinChoice& choice,
                     Settings& settings, DisplayState& display) {
  display.skinDir = choice.skinDir;
  display.textColour = choice.colour;
  display.skinName = choice.skinName;
  settings.skinName = choice.skinName;
  settings.red = DecimalText(choice.colour.red);
  settings.green = DecimalText(choice.colour.green);
  settings.blue = DecimalText(choice.colour.blue);
  const ProfileEntry entries[] = {{std::u16string(kRedKey), settings.red},
                                  {std::u16string(kGreenKey), settings.green},
                                  {std::u16string(kBlueKey), settings.blue},
                                  {std::u16string(kPathKey), settings.skinName}};
  PutAll(store, settingsFile, kSkinsSection, entries);
}

}  // namespace qv
