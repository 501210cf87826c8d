#include "config/win32/profile_store_win32.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/text.h"
#include "config/config_fakes.h"
#include "config/defaults.h"
#include "config/startup.h"
#include "config/win32/file_system_win32.h"
#include "config/win32/temp_dir.h"

namespace qv::win {
namespace {

using ::testing::HasSubstr;

std::u16string FileText(const std::u16string& path) {
  const std::vector<uint8_t> bytes = FileBytes(path);
  std::u16string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
  return text;
}

class ProfileOnDisk : public ::testing::Test {
 protected:
  ProfileOnDisk() : ini(dir.File(u"str.ini")) {}
  TempDir dir;
  std::u16string ini;
  Win32ProfileStore profile;
};

TEST_F(ProfileOnDisk, NoFileReadsEmptyAndCreatesNothing) {
  EXPECT_EQ(profile.Get(ini, u"Skins", u"Lan"), u"");
  Settings settings;
  settings.section = u"Setting-EN";
  settings.KeyName(KeyMode::A, 1) = u"stale";
  ReadSettings(profile, ini, settings);
  EXPECT_EQ(settings.KeyName(KeyMode::A, 1), u"");
  EXPECT_EQ(TextColourOf(settings).green, 0);
  EXPECT_FALSE(FileExists(ini));
}

TEST_F(ProfileOnDisk, MissingKeysReadEmptyBesideThePresentOnes) {
  WriteBytes(ini, {0xFF, 0xFE});
  profile.Put(ini, u"Skins", u"Path", u"Carbon");
  EXPECT_EQ(profile.Get(ini, u"Skins", u"Path"), u"Carbon");
  EXPECT_EQ(profile.Get(ini, u"Skins", u"RColor"), u"");
  EXPECT_EQ(profile.Get(ini, u"Setting-EN", u"Item1"), u"");
}

TEST_F(ProfileOnDisk, LongValueIsCutToTheBuffer) {
  profile.Put(ini, u"Skins", u"Path", std::u16string(1500, u'x'));
  EXPECT_EQ(profile.Get(ini, u"Skins", u"Path").size(), kProfileBufferChars - 1);
}

// The profile functions create a missing file in the ANSI code page, where these are "??".
TEST_F(ProfileOnDisk, ChineseKeyNamesSurviveInANewlyCreatedFile) {
  Settings settings;
  settings.section = u"Setting-CHS";
  SetDefaultKeyNames(settings, Language::SimplifiedChinese);
  WriteKeyNames(profile, ini, settings);
  const std::vector<uint8_t> bytes = FileBytes(ini);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  Settings again;
  again.section = u"Setting-CHS";
  ReadSettings(profile, ini, again);
  EXPECT_EQ(again.keyNames, settings.keyNames);
  EXPECT_EQ(again.KeyName(KeyMode::B, 8), u"按键关闭");
  // Deleting str.ini is how users reset it: the first save brings back the defaults.
  EXPECT_EQ(profile.Get(ini, u"Skins", u"Path"), u"Carbon");
  EXPECT_EQ(profile.Get(ini, u"Setting-CHT", u"Item1"), u"左鍵");
}

// Editors save UTF-8 without a byte-order mark; the profile functions would write it back in
// the ANSI code page, turning every Chinese caption into "??". The file becomes UTF-16 with
// the same contents.
TEST_F(ProfileOnDisk, AUtf8FileBecomesUtf16KeepingEveryText) {
  const std::string utf8 = "[Skins]\r\nLan=CHS\r\nPath=Frost\r\n[Setting-CHS]\r\nItem2=\xE5\x8F\xB3\xE9\x94\xAE\r\n";
  WriteBytes(ini, std::vector<uint8_t>(utf8.begin(), utf8.end()));
  Settings settings;
  settings.section = u"Setting-CHS";
  SetDefaultKeyNames(settings, Language::SimplifiedChinese);
  settings.KeyName(KeyMode::A, 2) = u"多媒体-静音";
  ASSERT_TRUE(WriteKeyNames(profile, ini, settings));
  const std::vector<uint8_t> bytes = FileBytes(ini);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  Settings again;
  again.section = u"Setting-CHS";
  ReadSettings(profile, ini, again);
  EXPECT_EQ(again.keyNames, settings.keyNames);
  EXPECT_EQ(again.skinName, u"Frost");
  EXPECT_EQ(profile.Get(ini, u"Skins", u"Lan"), u"CHS");
}

// A save that cannot be made fails as a whole: the file keeps every byte and no copy is left.
TEST_F(ProfileOnDisk, AReadOnlyFileFailsTheSaveAndStaysAsItWas) {
  const std::vector<uint8_t> before = {0xFF, 0xFE, '[', 0, 'S', 0, ']', 0, '\r', 0, '\n', 0};
  WriteBytes(ini, before);
  ASSERT_TRUE(SetFileAttributesW(W(ini), FILE_ATTRIBUTE_READONLY));
  Settings settings;
  settings.section = u"Setting-EN";
  SetDefaultKeyNames(settings, Language::English);
  EXPECT_FALSE(WriteKeyNames(profile, ini, settings));
  EXPECT_EQ(profile.LastErrorText(), SystemErrorText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(FileBytes(ini), before);
  EXPECT_FALSE(FileExists(ini + u".new"));
  SetFileAttributesW(W(ini), FILE_ATTRIBUTE_NORMAL);
}

// The names go into a copy that then replaces the file: the rest of it is kept and no copy
// is left beside it.
TEST_F(ProfileOnDisk, KeyNamesReplaceTheFileWholeAndLeaveNoCopy) {
  profile.Put(ini, u"Skins", u"Path", u"Frost");
  Settings settings;
  settings.section = u"Setting-EN";
  SetDefaultKeyNames(settings, Language::English);
  settings.KeyName(KeyMode::B, 8) = u"Last";
  WriteKeyNames(profile, ini, settings);
  Settings again;
  again.section = u"Setting-EN";
  ReadSettings(profile, ini, again);
  EXPECT_EQ(again.keyNames, settings.keyNames);
  EXPECT_EQ(again.skinName, u"Frost");
  EXPECT_FALSE(FileExists(ini + u".new"));
}

TEST_F(ProfileOnDisk, AnExistingFileIsNotRecreated) {
  WriteBytes(ini, {'[', 'S', 'k', 'i', 'n', 's', ']', '\r', '\n', 'L', 'a', 'n', '=', 'C', 'H', 'T', '\r', '\n'});
  profile.Put(ini, u"Skins", u"Path", u"Steel");
  EXPECT_EQ(profile.Get(ini, u"Skins", u"Lan"), u"CHT");
  EXPECT_EQ(profile.Get(ini, u"Skins", u"Path"), u"Steel");
}

TEST_F(ProfileOnDisk, LanChangedToChsReadsTheChineseSectionAtStartUp) {
  Settings english;
  english.section = u"Setting-EN";
  SetDefaultKeyNames(english, Language::English);
  WriteKeyNames(profile, ini, english);
  Settings chinese;
  chinese.section = u"Setting-CHS";
  SetDefaultKeyNames(chinese, Language::SimplifiedChinese);
  WriteKeyNames(profile, ini, chinese);
  profile.Put(ini, u"Skins", u"Lan", u"CHS");

  Win32FileSystem files;
  fakes::RecordingMessages messages;
  AppState state;
  LocalState local;
  LoadLocalState(dir.Exe(), {files, profile, messages}, state, local);
  EXPECT_EQ(state.display.languageCode, u"CHS");
  EXPECT_EQ(local.settings.section, u"Setting-CHS");
  EXPECT_EQ(local.settings.KeyName(KeyMode::A, 1), u"左键");
}

TEST_F(ProfileOnDisk, SkinChoiceWritesThePlainDecimalNumbers) {
  Settings settings;
  DisplayState display;
  ApplySkinChoice(profile, ini, {dir.File(u"Skins/Steel"), u"Steel", {255, 0, 9}}, settings, display);
  const std::u16string text = FileText(ini);
  EXPECT_THAT(ToUtf8(text), HasSubstr("RColor=255"));
  EXPECT_THAT(ToUtf8(text), HasSubstr("GColor=0"));
  EXPECT_THAT(ToUtf8(text), HasSubstr("BColor=9"));
  EXPECT_THAT(ToUtf8(text), HasSubstr("Path=Steel"));
  Settings again;
  ReadSettings(profile, ini, again);
  EXPECT_EQ(TextColourOf(again).red, 255);
  EXPECT_EQ(again.skinName, u"Steel");
}

// What the build installs: a first-run config.bin and a str.ini with a skin and no language,
// which an English Windows reads as English.
TEST(DefaultFiles, TheInstalledFilesStartTheProgram) {
  const std::u16string dist = u"Z:" + FromUtf8(QV_DIST_DIR);
  Win32FileSystem files;
  Win32ProfileStore profile;
  fakes::RecordingMessages messages;
  AppState state;
  LocalState local;
  LoadLocalState(dist + u"/QV318_Driver.exe", {files, profile, messages, 0x0409}, state, local);
  EXPECT_TRUE(messages.shown.empty()) << "config.bin is missing from " << QV_DIST_DIR;
  EXPECT_EQ(state.firstRun, 0);
  EXPECT_EQ(state.record, DefaultRecord());
  EXPECT_EQ(state.display.languageCode, u"EN");
  EXPECT_EQ(state.display.skinName, u"Carbon");
  EXPECT_EQ(state.display.skinDir, dist + u"//Skins/Carbon");
  EXPECT_EQ(state.display.textColour.red, 230);
  EXPECT_EQ(state.display.textColour.blue, 230);
  EXPECT_EQ(local.settings.KeyName(KeyMode::B, 4), u"DPI Loop");
  EXPECT_EQ(profile.Get(local.paths.settingsFile, u"Setting-CHT", u"Item1"), u"左鍵");
}

}  // namespace
}  // namespace qv::win
