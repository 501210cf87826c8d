#include "config/local_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_fakes.h"

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(ReplaceExeName, ReplacesEveryExactOccurrence) {
  struct Case {
    std::u16string path;
    std::u16string_view replacement;
    int count;
    std::u16string result;
  };
  const Case cases[] = {
      {u"C:\\Tools\\QV318_Driver.exe", u"config.bin", 1, u"C:\\Tools\\config.bin"},
      {u"C:\\QV318_Driver.exe\\QV318_Driver.exe", u"str.ini", 2, u"C:\\str.ini\\str.ini"},
      {u"C:\\Tools\\QV318_Driver.exe", u"", 1, u"C:\\Tools\\"},
      {u"C:\\Tools\\qv318_driver.exe", u"config.bin", 0, u"C:\\Tools\\qv318_driver.exe"},
      {u"C:\\Tools\\Mouse.exe", u"config.bin", 0, u"C:\\Tools\\Mouse.exe"},
      {u"", u"config.bin", 0, u""},
  };
  for (Case c : cases) {
    EXPECT_EQ(ReplaceExeName(c.path, c.replacement), c.count) << ToUtf8(c.result);
    EXPECT_EQ(c.path, c.result);
  }
}

TEST(LocalPaths, DerivedBesideTheExecutable) {
  const LocalPaths paths = DeriveLocalPaths(u"C:\\Program Files\\Mouse\\QV318_Driver.exe");
  EXPECT_EQ(paths.module, u"C:\\Program Files\\Mouse\\QV318_Driver.exe");
  EXPECT_EQ(paths.configFile, u"C:\\Program Files\\Mouse\\config.bin");
  EXPECT_EQ(paths.settingsFile, u"C:\\Program Files\\Mouse\\str.ini");
  EXPECT_EQ(paths.skinBase, u"C:\\Program Files\\Mouse\\");
}

// A browser's second download, or a copy renamed by its user, still finds its files; a
// folder named like the program is left as it is.
TEST(LocalPaths, TheExecutablesFolderWhateverItsName) {
  const LocalPaths renamed = DeriveLocalPaths(u"C:\\Users\\Me\\Downloads\\QV318_Driver (1).exe");
  EXPECT_EQ(renamed.configFile, u"C:\\Users\\Me\\Downloads\\config.bin");
  EXPECT_EQ(renamed.settingsFile, u"C:\\Users\\Me\\Downloads\\str.ini");
  EXPECT_EQ(renamed.skinBase, u"C:\\Users\\Me\\Downloads\\");
  EXPECT_EQ(DeriveLocalPaths(u"D:\\QV318_Driver.exe\\QV318_Driver.exe").configFile, u"D:\\QV318_Driver.exe\\config.bin");
  EXPECT_EQ(DeriveLocalPaths(u"Mouse.exe").configFile, u"");
}

TEST(ConfigFileContent, FirstRunByteThenTheRecord) {
  UiRecord record;
  record[0] = 0x11;
  record[kRecordSize - 1] = 0x22;
  const auto content = ConfigFileContent(1, record);
  EXPECT_EQ(content.size(), 200u);
  EXPECT_EQ(content[0], 1);
  EXPECT_EQ(content[1], 0x11);
  EXPECT_EQ(content[199], 0x22);
}

class ConfigFileTest : public ::testing::Test {
 protected:
  ConfigFileTest() { paths = DeriveLocalPaths(u"C:\\Mouse\\QV318_Driver.exe"); }

  std::vector<uint8_t> File(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 3 + 1);
    if (size > 0) bytes[0] = 0;  // first run
    return bytes;
  }
  ConfigLoad Load() { return LoadConfigFile(files, messages, paths, state); }
  ConfigSave Save() { return SaveConfigFile(files, messages, paths, state.record); }

  LocalPaths paths;
  fakes::FakeFiles files;
  fakes::RecordingMessages messages;
  AppState state;
};

TEST_F(ConfigFileTest, LoadsExactlyTwoHundredBytes) {
  files.files[paths.configFile] = File(200);
  state.firstRun = 7;
  EXPECT_EQ(Load(), ConfigLoad::Loaded);
  EXPECT_EQ(state.firstRun, 0);
  EXPECT_EQ(state.record[0], 4);
  EXPECT_EQ(state.record[198], static_cast<uint8_t>(199 * 3 + 1));
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(ConfigFileTest, AnyOtherLengthOrAnUnreadableFileIsIgnoredSilently) {
  for (size_t size : {0, 199, 201, 4096}) {
    files.files[paths.configFile] = File(size);
    EXPECT_EQ(Load(), ConfigLoad::Ignored) << size;
  }
  files.files[paths.configFile] = File(200);
  files.unreadable.insert(paths.configFile);
  EXPECT_EQ(Load(), ConfigLoad::Ignored);
  EXPECT_EQ(state.record, UiRecord{});
  EXPECT_EQ(state.firstRun, 0);
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(ConfigFileTest, MissingFileIsReportedOnLoadAndOnSave) {
  EXPECT_EQ(Load(), ConfigLoad::Missing);
  EXPECT_EQ(Save(), ConfigSave::Missing);
  const fakes::Message missing{u"Config file is not exist.", u""};
  EXPECT_THAT(messages.shown, ElementsAre(missing, missing));
  EXPECT_THAT(files.writes, IsEmpty()) << "config.bin is never created";
}

TEST_F(ConfigFileTest, SaveRewritesAWrongLengthFileToTwoHundredBytes) {
  files.files[paths.configFile] = File(201);
  state.record[5] = kRate250Hz;
  EXPECT_EQ(Save(), ConfigSave::Saved);
  const std::vector<uint8_t>& saved = files.files[paths.configFile];
  ASSERT_EQ(saved.size(), 200u);
  EXPECT_EQ(saved[0], 1);
  EXPECT_EQ(saved[6], kRate250Hz);
}

// The caller says it, knowing whether the mouse took the settings.
TEST_F(ConfigFileTest, UnwritableFileKeepsItsContentAndTellsWhy) {
  files.files[paths.configFile] = File(200);
  files.readOnly.insert(paths.configFile);
  EXPECT_EQ(Save(), ConfigSave::NotWritable);
  EXPECT_THAT(messages.shown, IsEmpty());
  EXPECT_EQ(files.LastErrorText(), u"error 5");
  EXPECT_EQ(files.files[paths.configFile], File(200));
}

}  // namespace
}  // namespace qv
