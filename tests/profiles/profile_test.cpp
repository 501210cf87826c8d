// Profiles: the text format (one valid file broken one thing at a time), the folder's
// operations, programs matched to profiles, and automatic switching on a fake clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "keyassign/key_codes.h"
#include "model/dpi_tables.h"
#include "profiles/auto_switch.h"
#include "profiles/profile.h"
#include "cli/std_services.h"
#include "config/config_fakes.h"
#include "profiles/profile_library.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

Profile Fixture() {
  Profile p;
  UiRecord& r = p.record;
  r[uirec::kReportRate] = kRate250Hz;
  r.DpiIndex(2) = 11;
  r.StageEnabled(1) = 1;
  r.StageEnabled(3) = 1;
  r.StageColour(3)[0] = 0xAB;
  r.StageColour(3)[2] = 0x07;
  r[uirec::kSnipeDpiCode] = DpiCode(0, 3, true);
  r[uirec::kFireMakeTime] = 20;
  r[uirec::kFireBreakTime] = 255;
  r[uirec::kLightMode] = kLightNeon;
  r[uirec::kNeonPeriod] = 29;
  r[uirec::kNeonEffect] = kNeonRgbFlash;
  r.Key(uirec::kFunctionType, KeyMode::B, 4) = static_cast<uint8_t>(KeyFunctionType::FireKey);
  r.Key(uirec::kFireTimes, KeyMode::B, 4) = 3;
  r.Key(uirec::kFireTargetCode, KeyMode::B, 4) = FireTargetToCode(0);
  r.Key(uirec::kFunctionType, KeyMode::A, 3) = static_cast<uint8_t>(KeyFunctionType::SingleKey);
  r.Key(uirec::kSingleKeyUsage, KeyMode::A, 3) = 0x2C;
  p.names[0][2] = u"Space";
  p.names[1][3] = u"R-CTRL ×3 = fire";  // not ASCII, and an equals sign in a value
  return p;
}

TEST(ProfileFormat, RoundTripKeepsEveryFieldAndOnlyTheProfilesFields) {
  const Profile original = Fixture();
  auto parsed = ParseProfile(ProfileFileText(original));
  ASSERT_TRUE(std::holds_alternative<Profile>(parsed)) << std::get<std::string>(parsed);
  const Profile& back = std::get<Profile>(parsed);
  EXPECT_TRUE(ProfileFieldsEqual(back, original.record));
  EXPECT_EQ(back.names, original.names);

  UiRecord record;
  record.Key(uirec::kFunctionType, KeyMode::A, 6) = 9;  // keys 5..8 and the shown mode are not a profile's
  record[uirec::kShownMode] = 1;
  KeyNames names;
  names[0][5] = u"kept";
  OverlayProfile(back, record, names);
  EXPECT_TRUE(ProfileFieldsEqual(original, record));
  EXPECT_EQ(record.Key(uirec::kFunctionType, KeyMode::A, 6), 9);
  EXPECT_EQ(record[uirec::kShownMode], 1);
  EXPECT_EQ(names[0][5], u"kept");
  EXPECT_EQ(names[1][3], original.names[1][3]);
  // What the mouse never receives does not make it hold another profile.
  record.Key(uirec::kMediaIndex, KeyMode::A, 1) = 4;  // key 1 is a left click
  record.StageColour(2)[1] = 0x55;                   // stage 2 is off
  record[uirec::kBrightness] = 7;                    // the lighting is Neon
  EXPECT_FALSE(ProfileFieldsEqual(original, record));
  EXPECT_TRUE(SameOnMouse(original, record));
  record.Key(uirec::kFireTimes, KeyMode::B, 4) = 4;  // a fire key's shots are sent
  EXPECT_FALSE(SameOnMouse(original, record));
  record.Key(uirec::kFireTimes, KeyMode::B, 4) = 3;
  record[uirec::kFireBreakTime] = 254;
  EXPECT_FALSE(SameOnMouse(original, record));
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(ProfileFormat, EachDamageIsRefusedWithItsReason) {
  const std::string valid = ProfileFileText(Fixture());
  ASSERT_TRUE(std::holds_alternative<Profile>(ParseProfile(valid)));
  struct Case {
    std::string text;
    std::string reason;
  };
  const Case cases[] = {
      {Replaced(valid, "format = 1", "format = 2"), "format 2 is not one this program reads"},
      {Replaced(valid, "format = 1\n", ""), "the first field must be format"},
      {Replaced(valid, "reportRateHz = 250", "reportRateHz = 300"), "reportRateHz must be 125, 250, 500 or 1000"},
      {Replaced(valid, "stages.2.level = 11", "stages.2.level = 12"), "stages.2.level must be a whole number from 0 to 11"},
      {Replaced(valid, "stages.1.on = true", "stages.1.on = yes"), "stages.1.on must be true or false"},
      {Replaced(valid, "stages.3.colour = AB0007", "stages.3.colour = AB00G7"), "stages.3.colour must be six hexadecimal"},
      {Replaced(valid, "lighting.mode = Neon", "lighting.mode = Disco"), "lighting.mode must be Off, Standard or Neon"},
      {Replaced(valid, "lighting.neonPeriod = 29", "lighting.neonPeriod = -1"), "lighting.neonPeriod must be a whole"},
      {Replaced(valid, "keys.B4.function = 9", "keys.B4.function = 14"), "keys.B4.function must be a whole number from 0 to 13"},
      {Replaced(valid, "keys.B4.fireTimes = 3", "keys.B4.fireTimes = 3x"), "keys.B4.fireTimes must be"},
      {Replaced(valid, "keys.A3.name = Space", "keys.A3.name = \xC3\x28"), "keys.A3.name must be UTF-8"},
      {Replaced(valid, "fire.makeTime = 20\n", ""), "the field fire.makeTime is missing"},
      {Replaced(valid, "fire.makeTime = 20\n", "fire.makeTime = 20\nfire.makeTime = 21\n"), "fire.makeTime is given twice"},
      {Replaced(valid, "snipeDpiCode = 4\n", "snipeDpiCode = 4\nturbo = 1\n"), "unknown field turbo"},
      {Replaced(valid, "snipeDpiCode = 4\n", "snipeDpiCode 18\n"), "not a \"field = value\" line"},
      {valid.substr(0, valid.find("keys.B1")), "the field keys.B1.function is missing"},  // cut short
      {Replaced(valid, "fire.makeTime = 20", "fire.makeTime = 4"), "the settings window cannot set (fire make time)"},
      {"", "no format line"},
      {valid + std::string(kProfileFileMax, '#'), "too large"},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseProfile(c.text);
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.reason;
    EXPECT_NE(std::get<std::string>(parsed).find(c.reason), std::string::npos) << std::get<std::string>(parsed);
  }
}

class ProfileFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("qv-profiles-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
  cli::StdFileSystem files_;
};

TEST_F(ProfileFolder, OperationsKeepTheSettingsTrueAndRefuseDamage) {
  ProfileLibrary library(files_, (root_ / "Profiles").u16string());
  EXPECT_TRUE(library.Names().empty());
  ASSERT_EQ(library.Save(u"work", Fixture()), std::nullopt);
  ASSERT_EQ(library.Save(u"Game", Profile{}), std::nullopt);
  EXPECT_EQ(library.Names(), (std::vector<std::u16string>{u"Game", u"work"}));
  EXPECT_NE(library.Save(u"a/b", Profile{}), std::nullopt);
  EXPECT_NE(library.Save(u"", Profile{}), std::nullopt);

  ProfileSettings settings;
  settings.defaultProfile = u"work";
  settings.switchAutomatically = true;
  settings.bindings = {{u"game.exe", u"Game"}, {u"C:\\tools\\edit.exe", u"work"}};
  ASSERT_EQ(library.SaveSettings(settings), std::nullopt);
  EXPECT_EQ(library.Settings(), settings);

  EXPECT_NE(library.Rename(u"work", u"Game"), std::nullopt);  // taken
  ASSERT_EQ(library.Rename(u"work", u"Office"), std::nullopt);
  EXPECT_EQ(library.Settings().defaultProfile, u"Office");
  EXPECT_EQ(library.Settings().bindings[1].profile, u"Office");
  ASSERT_EQ(library.Duplicate(u"Office", u"Office 2"), std::nullopt);
  ASSERT_TRUE(std::holds_alternative<Profile>(library.Load(u"Office 2")));
  EXPECT_TRUE(ProfileFieldsEqual(std::get<Profile>(library.Load(u"Office 2")), Fixture().record));

  ASSERT_EQ(library.Export(u"Office", (root_ / "shared.qvprofile").u16string()), std::nullopt);
  ASSERT_EQ(library.Import((root_ / "shared.qvprofile").u16string(), u""), std::nullopt);
  EXPECT_TRUE(library.Exists(u"shared"));
  ASSERT_EQ(library.Delete(u"Office"), std::nullopt);
  EXPECT_TRUE(library.Settings().defaultProfile.empty());
  EXPECT_EQ(library.Settings().bindings, (std::vector<ProfileBinding>{{u"game.exe", u"Game"}}));

  std::ofstream(root_ / "Profiles" / "Game.qvprofile", std::ios::app) << "turbo = 1\n";
  const auto damaged = library.Load(u"Game");
  ASSERT_TRUE(std::holds_alternative<std::string>(damaged));
  EXPECT_NE(std::get<std::string>(damaged).find("\"Game\" is damaged"), std::string::npos);
  EXPECT_NE(library.Import((root_ / "Profiles" / "Game.qvprofile").u16string(), u"copy"), std::nullopt);
  EXPECT_FALSE(library.Exists(u"copy"));
}

TEST(ProfileBindings, FullPathBeforeFileNameAndLetterCaseIgnored) {
  ProfileSettings s;
  s.bindings = {{u"game.exe", u"Any"}, {u"D:\\Games\\GAME.exe", u"That one"}};
  EXPECT_EQ(ProfileForProgram(s, u"d:\\games\\game.exe"), u"That one");
  EXPECT_EQ(ProfileForProgram(s, u"C:\\Other\\Game.EXE"), u"Any");
  EXPECT_EQ(ProfileForProgram(s, u"C:\\Other\\notgame.exe"), std::nullopt);
}

// The foreground changes at given times; the ticks say what is written when.
TEST(AutoSwitchRules, SettleSpacingBlockingOneFailureNoticeAndRetryWhenTheMouseIsBack) {
  ProfileSettings s;
  s.switchAutomatically = true;
  s.defaultProfile = u"Desk";
  s.bindings = {{u"notepad.exe", u"Notes"}};
  std::u16string onMouse = u"Desk";
  AutoSwitch sw;
  auto tick = [&](int64_t ms, bool blocked = false) {
    return sw.Due(s, {ms, blocked, [&](const std::u16string& p) { return p == onMouse; }});
  };
  sw.Foreground(u"C:\\x\\explorer.exe", 0);
  EXPECT_EQ(tick(2000), std::nullopt);  // the mouse holds the default already
  sw.Foreground(u"C:\\windows\\notepad.exe", 3000);
  EXPECT_EQ(tick(4400), std::nullopt);  // not settled
  sw.Foreground(u"C:\\x\\explorer.exe", 3600);  // back within a second
  EXPECT_EQ(tick(6000), std::nullopt);
  sw.Foreground(u"C:\\windows\\NOTEPAD.EXE", 7000);
  EXPECT_EQ(tick(8500, true), std::nullopt);  // unapplied edits: wait
  EXPECT_EQ(tick(9000), u"Notes");
  EXPECT_FALSE(sw.Written(u"Notes", true, 9000));
  onMouse = u"Notes";
  sw.Foreground(u"C:\\x\\explorer.exe", 9500);
  EXPECT_EQ(tick(11000), std::nullopt);  // five seconds since the last write not yet over
  EXPECT_EQ(tick(14000), u"Desk");
  EXPECT_TRUE(sw.Written(u"Desk", false, 14000));  // told once
  EXPECT_EQ(tick(18000), std::nullopt);
  EXPECT_EQ(tick(25000), std::nullopt);  // a failed profile waits for the mouse to be back
  sw.MouseBack();
  EXPECT_EQ(tick(25000), u"Desk");
  EXPECT_FALSE(sw.Written(u"Desk", false, 25000));  // not told again
  EXPECT_EQ(tick(84000), std::nullopt);
  EXPECT_EQ(tick(85000), u"Desk");  // or a minute later
  s.switchAutomatically = false;
  EXPECT_EQ(tick(90000), std::nullopt);
}

// Windows words its reasons as sentences; the caller adds the one full stop.
TEST(ProfileLibraryFailures, SayTheSystemsReasonWithoutItsFullStop) {
  struct DeniedFiles : fakes::FakeFiles {
    std::u16string LastErrorText() override { return u"Access is denied.\r\n"; }
  } files;
  ProfileLibrary library(files, u"C:\\Profiles");
  EXPECT_EQ(library.Save(u"Desk", Fixture()), "cannot write C:\\Profiles\\Desk.qvprofile: Access is denied");
}

}  // namespace
}  // namespace qv
