#include "config/win32/file_system_win32.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_fakes.h"
#include "config/win32/replace_file_win32.h"
#include "config/win32/temp_dir.h"

namespace qv::win {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ConfigFileOnDisk : public ::testing::Test {
 protected:
  ConfigFileOnDisk() : paths(DeriveLocalPaths(dir.Exe())) {}

  std::vector<uint8_t> Pattern(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i + 2);
    return bytes;
  }

  TempDir dir;
  LocalPaths paths;
  Win32FileSystem files;
  fakes::RecordingMessages messages;
  AppState state;
};

TEST_F(ConfigFileOnDisk, LoadsOnlyATwoHundredByteFile) {
  WriteBytes(paths.configFile, Pattern(199));
  EXPECT_EQ(LoadConfigFile(files, messages, paths, state), ConfigLoad::Ignored);
  WriteBytes(paths.configFile, Pattern(201));
  EXPECT_EQ(LoadConfigFile(files, messages, paths, state), ConfigLoad::Ignored);
  EXPECT_EQ(state.record, UiRecord{});
  WriteBytes(paths.configFile, Pattern(200));
  EXPECT_EQ(LoadConfigFile(files, messages, paths, state), ConfigLoad::Loaded);
  EXPECT_EQ(state.firstRun, 2);
  EXPECT_EQ(state.record[0], 3);
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(ConfigFileOnDisk, SaveReplacesTheWholeFileAndLeavesNothingBeside) {
  WriteBytes(paths.configFile, Pattern(201));
  state.record[kRecordSize - 1] = 0x5A;
  EXPECT_EQ(SaveConfigFile(files, messages, paths, state.record), ConfigSave::Saved);
  const std::vector<uint8_t> saved = FileBytes(paths.configFile);
  ASSERT_EQ(saved.size(), 200u);
  EXPECT_EQ(saved[0], 1);
  EXPECT_EQ(saved[199], 0x5A);
  EXPECT_FALSE(FileExists(ReplacementPath(paths.configFile)));
  EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(ConfigFileOnDisk, ReadOnlyFileIsReportedAndKeepsItsContent) {
  WriteBytes(paths.configFile, Pattern(200));
  ASSERT_TRUE(SetFileAttributesW(W(paths.configFile), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(SaveConfigFile(files, messages, paths, state.record), ConfigSave::NotWritable);
  EXPECT_EQ(files.LastError(), static_cast<uint32_t>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(files.LastErrorText(), SystemErrorText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(files.LastErrorText().find(u"error "), std::u16string::npos) << "the system's words, not a number";
  EXPECT_EQ(FileBytes(paths.configFile), Pattern(200));
  EXPECT_NE(GetFileAttributesW(W(paths.configFile)) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_FALSE(FileExists(ReplacementPath(paths.configFile)));
}

TEST_F(ConfigFileOnDisk, MissingFileIsNeverCreated) {
  EXPECT_EQ(SaveConfigFile(files, messages, paths, state.record), ConfigSave::Missing);
  EXPECT_THAT(messages.shown, ElementsAre(fakes::Message{u"Config file is not exist.", u""}));
  EXPECT_FALSE(FileExists(paths.configFile));
}

TEST_F(ConfigFileOnDisk, AnExecutableOfAnotherNameIsNeitherReadNorReplaced) {
  const std::u16string exe = dir.File(u"Mouse.exe");
  WriteBytes(exe, Pattern(200));
  const LocalPaths other = DeriveLocalPaths(exe);
  EXPECT_EQ(LoadConfigFile(files, messages, other, state), ConfigLoad::Missing);
  EXPECT_EQ(SaveConfigFile(files, messages, other, state.record), ConfigSave::Missing);
  EXPECT_EQ(state.record, UiRecord{});
  EXPECT_EQ(FileBytes(exe), Pattern(200));
}

TEST(Win32FileSystem, ReadRefusesAFileLongerThanAsked) {
  TempDir dir;
  Win32FileSystem files;
  const std::u16string path = dir.File(u"data.bin");
  WriteBytes(path, std::vector<uint8_t>(10, 7));
  EXPECT_FALSE(files.Read(path, 9));
  EXPECT_EQ(files.Read(path, 10), std::vector<uint8_t>(10, 7));
  EXPECT_FALSE(files.Read(dir.File(u"none.bin"), 10));
  EXPECT_EQ(files.LastError(), static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

// The profiles' folder is made on the first save, with its parents, and files come and go in it.
TEST(Win32FileSystem, MakesAFolderWithItsParentsAndListsRenamesAndReplacesItsFiles) {
  TempDir dir;
  Win32FileSystem files;
  const std::u16string outer = dir.File(u"a"), folder = outer + u"\\Profiles";
  EXPECT_FALSE(files.FileNames(folder));
  ASSERT_TRUE(files.MakeFolder(folder));
  EXPECT_TRUE(files.MakeFolder(folder));
  ASSERT_TRUE(files.Replace(folder + u"\\Desk.qvprofile", std::vector<uint8_t>{1, 2}));
  ASSERT_TRUE(files.MakeFolder(folder + u"\\Old"));
  EXPECT_THAT(*files.FileNames(folder), ElementsAre(u"Desk.qvprofile"));
  ASSERT_TRUE(files.Rename(folder + u"\\Desk.qvprofile", folder + u"\\Work.qvprofile"));
  EXPECT_THAT(*files.FileNames(folder), ElementsAre(u"Work.qvprofile"));
  EXPECT_EQ(files.Read(folder + u"\\Work.qvprofile", 2), (std::vector<uint8_t>{1, 2}));
  EXPECT_FALSE(files.MakeFolder(folder + u"\\Work.qvprofile")) << "a file is not a folder";
  EXPECT_TRUE(files.Remove(folder + u"\\Work.qvprofile"));
  for (const std::u16string& made : {folder + u"\\Old", folder, outer}) EXPECT_TRUE(RemoveDirectoryW(W(made)));
}

}  // namespace
}  // namespace qv::win
