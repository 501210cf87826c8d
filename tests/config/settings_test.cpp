#include "config/settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_fakes.h"
#include "config/defaults.h"
#include "config/local_files.h"
#include "config/language_setting.h"
#include "config/skin_palette.h"
#include "config/startup.h"

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::u16string_view kIni = u"C:\\Mouse\\str.ini";

TEST(SettingsKeys, ItemKeysOfModeAThenModeB) {
  std::vector<std::u16string> keys;
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= 8; ++key) keys.push_back(ItemKey(mode, key));
  }
  EXPECT_THAT(keys, ElementsAre(u"Item1", u"Item2", u"Item3", u"Item4", u"Item5", u"Item6", u"Item7", u"Item8",
                                u"Item13", u"Item23", u"Item33", u"Item43", u"Item53", u"Item63", u"Item73",
                                u"Item83"));
}

TEST(SettingsKeys, SectionFollowsTheExactLanguageCode) {
  EXPECT_EQ(KeyNameSection(u"CHS"), u"Setting-CHS");
  EXPECT_EQ(KeyNameSection(u"CHT"), u"Setting-CHT");
  EXPECT_EQ(KeyNameSection(u"chs"), u"Setting-EN");
  EXPECT_EQ(KeyNameSection(u""), u"Setting-EN");
}

TEST(SettingsColour, DecimalTextTruncatedToOneByte) {
  struct Case {
    std::u16string_view text;
    uint8_t value;
  };
  const Case cases[] = {{u"255", 255}, {u"0", 0}, {u"300", 44}, {u"", 0}, {u"  12px", 12},
                        {u"abc", 0},   {u"-1", 255}, {u"+7", 7}, {u"256", 0}};
  for (const Case& c : cases) EXPECT_EQ(ColourByte(c.text), c.value) << ToUtf8(c.text);
}

TEST(SkinPalette, AFolderRecommendsAColourOnlyWhenAllThreeValuesAreBytes) {
  const std::u16string folder = u"C:\\QV318\\/Skins/Frost";
  struct Case {
    std::u16string_view red, green, blue;  // empty: the key is missing
    std::optional<Rgb> colour;
  };
  const Case cases[] = {
      {u"24", u"100", u"210", Rgb{24, 100, 210}},
      {u"0", u"255", u"0", Rgb{0, 255, 0}},
      {u"", u"", u"", std::nullopt},  // no skin.ini: a skin a user made
      {u"24", u"100", u"", std::nullopt},
      {u"256", u"100", u"210", std::nullopt},
      {u"24", u"1e2", u"210", std::nullopt},
      {u"24", u"100", u"-1", std::nullopt},
  };
  for (const Case& c : cases) {
    fakes::FakeProfile profile;
    const std::pair<std::u16string_view, std::u16string_view> values[] = {
        {u"RColor", c.red}, {u"GColor", c.green}, {u"BColor", c.blue}};
    for (const auto& [key, value] : values) {
      if (!value.empty()) profile.values[{folder + u"/skin.ini", u"Skin", std::u16string(key)}] = value;
    }
    EXPECT_EQ(RecommendedTextColour(profile, folder), c.colour) << ToUtf8(c.red) << "," << ToUtf8(c.green) << ","
                                                                << ToUtf8(c.blue);
  }
}

class SettingsTest : public ::testing::Test {
 protected:
  void Set(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    profile.values[{std::u16string(kIni), std::u16string(section), std::u16string(key)}] = value;
  }
  fakes::FakeProfile profile;
  Settings settings;
};

TEST_F(SettingsTest, ReadsKeyNamesFromTheLanguageSectionThenColoursThenPath) {
  settings.section = u"Setting-CHS";
  Set(u"Setting-CHS", u"Item1", u"左键");
  Set(u"Setting-CHS", u"Item43", u"DPI Loop");
  Set(u"Setting-EN", u"Item2", u"Right Click");  // another language's caption is not seen
  Set(u"Skins", u"RColor", u"255");
  Set(u"Skins", u"Path", u"Carbon");
  ReadSettings(profile, kIni, settings);
  EXPECT_EQ(settings.KeyName(KeyMode::A, 1), u"左键");
  EXPECT_EQ(settings.KeyName(KeyMode::A, 2), u"");
  EXPECT_EQ(settings.KeyName(KeyMode::B, 4), u"DPI Loop");
  EXPECT_EQ(settings.red, u"255");
  EXPECT_EQ(settings.green, u"");
  EXPECT_EQ(settings.skinName, u"Carbon");
  ASSERT_EQ(profile.gets.size(), 20u);
  EXPECT_EQ(profile.gets[0], "Setting-CHS/Item1");
  EXPECT_EQ(profile.gets[8], "Setting-CHS/Item13");
  EXPECT_THAT(std::vector<std::string>(profile.gets.begin() + 16, profile.gets.end()),
              ElementsAre("Skins/RColor", "Skins/GColor", "Skins/BColor", "Skins/Path"));
}

// The skin folder is read from and, through the skins dialog, written back; a name from
// str.ini must never lead it out of the Skins folder beside the program.
TEST_F(SettingsTest, SkinNamesThatLeaveTheSkinsFolderGiveTheDefaultSkin) {
  const std::u16string_view kept[] = {u"Frost", u"My Skin 2", u"黑色", u".dark", u"a..b"};
  // No name (no Path, or no str.ini) is the default skin as well.
  const std::u16string_view refused[] = {u"", u"..", u".", u"...", u". .", u"..\\..\\Windows", u"../../Windows",
                                         u"Frost\\..", u"C:", u"C:\\Windows", u"D:evil", u"\\\\server\\share",
                                         u"//server/share", u"\\\\?\\C:\\x", u"\\Windows", u"/etc",
                                         u"Frost:stream", u"Fro\tst"};
  for (std::u16string_view name : kept) {
    Set(u"Skins", u"Path", name);
    ReadSettings(profile, kIni, settings);
    EXPECT_EQ(settings.skinName, name) << ToUtf8(name);
  }
  for (std::u16string_view name : refused) {
    Set(u"Skins", u"Path", name);
    ReadSettings(profile, kIni, settings);
    EXPECT_EQ(settings.skinName, kDefaultSkinName) << ToUtf8(name);
  }
}

TEST_F(SettingsTest, ReadingAgainReplacesEditedNames) {
  settings.section = u"Setting-EN";
  settings.KeyName(KeyMode::A, 3) = u"Forward";
  ReadSettings(profile, kIni, settings);
  EXPECT_EQ(settings.KeyName(KeyMode::A, 3), u"");
}

TEST_F(SettingsTest, WritesKeyNamesToTheLanguageSection) {
  settings.section = u"Setting-CHT";
  SetDefaultKeyNames(settings, Language::TraditionalChinese);
  WriteKeyNames(profile, kIni, settings);
  ASSERT_EQ(profile.puts.size(), 16u);
  EXPECT_EQ(profile.puts[0], "Setting-CHT/Item1=左鍵");
  EXPECT_EQ(profile.puts[3], "Setting-CHT/Item4=DPI循環");
  EXPECT_EQ(profile.puts[7], "Setting-CHT/Item8=按鍵關閉");
  EXPECT_EQ(profile.puts[8], "Setting-CHT/Item13=左鍵");
  EXPECT_EQ(profile.puts[15], "Setting-CHT/Item83=按鍵關閉");
}

TEST_F(SettingsTest, SkinChoiceWritesPlainDecimalsThenPathAndPublishesIt) {
  DisplayState display;
  ApplySkinChoice(profile, kIni, {u"C:\\Mouse\\/Skins/Steel", u"Steel", {255, 0, 7}}, settings, display);
  EXPECT_THAT(profile.puts,
              ElementsAre("Skins/RColor=255", "Skins/GColor=0", "Skins/BColor=7", "Skins/Path=Steel"));
  EXPECT_EQ(display.skinDir, u"C:\\Mouse\\/Skins/Steel");
  EXPECT_EQ(display.skinName, u"Steel");
  EXPECT_EQ(display.textColour.red, 255);
  EXPECT_EQ(display.textColour.blue, 7);
  EXPECT_EQ(settings.skinName, u"Steel");
  EXPECT_EQ(settings.green, u"0");
}

TEST_F(SettingsTest, WithoutASettingsPathNothingIsReadOrWritten) {
  settings.section = u"Setting-EN";
  ReadSettings(profile, u"", settings);
  WriteKeyNames(profile, u"", settings);
  DisplayState display;
  ApplySkinChoice(profile, u"", {u"dir", u"Steel", {1, 2, 3}}, settings, display);
  EXPECT_EQ(ReadLanguageCode(profile, u""), u"");
  EXPECT_THAT(profile.gets, IsEmpty());
  EXPECT_THAT(profile.puts, IsEmpty());
  EXPECT_EQ(display.skinName, u"Steel");
}

class StartupTest : public ::testing::Test {
 protected:
  void Run(std::u16string_view module = u"C:\\Mouse\\QV318_Driver.exe", uint16_t uiLanguage = 0x0409) {
    LoadLocalState(module, {files, profile, messages, uiLanguage}, state, local);
  }
  void Set(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    profile.values[{std::u16string(kIni), std::u16string(section), std::u16string(key)}] = value;
  }
  fakes::FakeFiles files;
  fakes::FakeProfile profile;
  fakes::RecordingMessages messages;
  AppState state;
  LocalState local;
};

TEST_F(StartupTest, LoadsRecordLanguageNamesSkinAndColour) {
  std::vector<uint8_t> config(200, 0);
  config[1 + uirec::kReportRate] = kRate500Hz;
  files.files[u"C:\\Mouse\\config.bin"] = config;
  Set(u"Skins", u"Lan", u"CHS");
  Set(u"Skins", u"Path", u"Carbon");
  Set(u"Skins", u"RColor", u"300");
  Set(u"Skins", u"GColor", u"128");
  Set(u"Setting-CHS", u"Item1", u"左键");
  Run();
  EXPECT_EQ(state.record[uirec::kReportRate], kRate500Hz);
  EXPECT_EQ(state.savedCopy, state.record);
  EXPECT_EQ(state.firstRun, 0);
  EXPECT_EQ(state.display.languageCode, u"CHS");
  EXPECT_EQ(local.settings.section, u"Setting-CHS");
  EXPECT_EQ(local.settings.KeyName(KeyMode::A, 1), u"左键");
  EXPECT_EQ(state.display.skinDir, u"C:\\Mouse\\/Skins/Carbon");
  EXPECT_EQ(state.display.skinName, u"Carbon");
  EXPECT_EQ(state.display.textColour.red, 44);
  EXPECT_EQ(state.display.textColour.green, 128);
  EXPECT_EQ(state.display.textColour.blue, 0);
  EXPECT_THAT(messages.shown, IsEmpty());
}

// The page must not show what the window could never set: a record of zeros has no rate,
// no stage on and no fire times, so the defaults stand in for it.
TEST_F(StartupTest, NoFilesAtAllGiveEnglishBlackTextTheDefaultSkinAndTheDefaultRecord) {
  Run();
  EXPECT_THAT(messages.shown, ElementsAre(fakes::Message{u"Config file is not exist.", u""}));
  EXPECT_EQ(state.record, DefaultRecord());
  EXPECT_EQ(state.display.languageCode, u"EN");
  EXPECT_EQ(local.settings.section, u"Setting-EN");
  EXPECT_EQ(state.display.skinDir, u"C:\\Mouse\\/Skins/Carbon");
  EXPECT_EQ(state.display.textColour.green, 0);
}

TEST_F(StartupTest, WithoutLanTheDisplayLanguageDecidesAndASavedLanIsKept) {
  Set(u"Setting-CHT", u"Item1", u"左鍵");
  Run(u"C:\\Mouse\\QV318_Driver.exe", 0x0C04);  // Chinese (Hong Kong)
  EXPECT_EQ(state.display.languageCode, u"CHT");
  EXPECT_EQ(local.settings.KeyName(KeyMode::A, 1), u"左鍵");
  EXPECT_THAT(profile.puts, IsEmpty());  // nothing is saved until the user chooses

  Set(u"Skins", u"Lan", u"chs");
  Run(u"C:\\Mouse\\QV318_Driver.exe", 0x0C04);
  EXPECT_EQ(state.display.languageCode, u"chs");
  EXPECT_EQ(local.settings.section, u"Setting-EN");
}

TEST_F(StartupTest, AChosenLanguageIsSavedAndItsSectionTakesTheKeyNames) {
  Run();
  ChooseLanguage(profile, local, state.display, Language::SimplifiedChinese);
  EXPECT_EQ(state.display.languageCode, u"CHS");
  EXPECT_THAT(profile.puts, ElementsAre("Skins/Lan=CHS"));
  WriteKeyNames(profile, local.paths.settingsFile, local.settings);
  EXPECT_EQ(profile.puts[1], "Setting-CHS/Item1=");
}

// A browser's second download is "QV318_Driver (1).exe": its files are still the ones beside it.
TEST_F(StartupTest, ARenamedExecutableReadsTheFilesBesideIt) {
  UiRecord saved = DefaultRecord();
  saved[uirec::kReportRate] = kRate250Hz;
  const auto content = ConfigFileContent(1, saved);
  files.files[u"C:\\Mouse\\config.bin"].assign(content.begin(), content.end());
  Set(u"Skins", u"Path", u"Frost");
  Run(u"C:\\Mouse\\QV318_Driver (1).exe");
  EXPECT_THAT(messages.shown, IsEmpty());
  EXPECT_EQ(state.record, saved);
  EXPECT_EQ(state.display.skinDir, u"C:\\Mouse\\/Skins/Frost");
}

}  // namespace
}  // namespace qv
