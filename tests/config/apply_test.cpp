#include "config/apply.h"
#include "config/unfinished_write.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_fakes.h"
#include "config/defaults.h"
#include "keyassign/key_codes.h"

namespace qv {
namespace {

using fakes::CallLog;
using ::testing::ElementsAre;

constexpr uint8_t kMouseSelector = 1;
constexpr uint8_t kMouseStage = 3;

// What the mouse held before any Apply: every byte non-zero and unlike what Apply writes.
ConfigImage MouseMemory() {
  ConfigImage image;
  for (size_t i = 0; i < kImageSize; ++i) image.bytes[i] = static_cast<uint8_t>(0x9D ^ (i * 37 + 11));
  image.StatusRate() = kRate500Hz;
  image.StatusStage() = kMouseStage;
  image.Field(blockset::kDpiSelector) = kMouseSelector;
  return image;
}

// The block-set bytes the pipeline may write; every other byte must travel unchanged.
bool Interpreted(size_t offset) {
  const size_t keySlots[] = {128, 129, 130, 131, 132, 133, 138, 139, 160, 161, 162, 163, 164, 165, 168, 169};
  for (size_t slot : keySlots) {
    if (offset == slot) return true;
  }
  return (offset >= 198 && offset <= 204) || offset == 206 || offset == 207 || (offset >= 215 && offset <= 219) ||
         (offset >= 224 && offset <= 255) || offset >= 280;
}

class ApplyTest : public ::testing::Test {
 protected:
  ApplyTest() {
    mouse.memory = MouseMemory();
    state.image = mouse.memory;
    state.imageComplete = true;
    state.connected = 1;
    state.dpiSelector = kMouseSelector;
    state.record = DefaultRecord();
    state.savedCopy = state.record;
    local.paths = DeriveLocalPaths(u"C:\\Mouse\\QV318_Driver.exe");
    files.files[local.paths.configFile] = std::vector<uint8_t>(kConfigFileSize, 0);
    local.settings.section = u"Setting-EN";
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
      for (int key = 1; key <= kKeysPerMode; ++key) {
        local.settings.KeyName(mode, key) = (mode == KeyMode::A ? u"a" : u"b") + DecimalText(key);
      }
    }
  }

  ApplyServices Services() { return {mouse, files, profile, messages, u"no mouse", lock, u"busy"}; }
  const ConfigImage& Sent() const { return mouse.written.back(); }
  uint8_t SentField(size_t offset) const { return Sent().Field(offset); }
  std::vector<uint8_t> SentRange(size_t from, size_t count) const {
    const auto begin = Sent().BlockSet().begin() + static_cast<std::ptrdiff_t>(from);
    return {begin, begin + static_cast<std::ptrdiff_t>(count)};
  }
  void Apply() { ApplySettings(state, local, Services()); }
  // The log without the lock and the unfinished-write mark.
  std::vector<std::string> Calls() const {
    std::vector<std::string> calls;
    for (const std::string& line : log) {
      if (line != "Lock" && line != "Unlock" && line.rfind("Create ", 0) != 0 && line.rfind("Remove ", 0) != 0) {
        calls.push_back(line);
      }
    }
    return calls;
  }
  std::vector<std::string> FirstCalls(size_t n) const {
    const std::vector<std::string> calls = Calls();
    return {calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(std::min(n, calls.size()))};
  }
  bool Marked() const { return files.files.count(UnfinishedWriteFile(local.paths)) > 0; }

  CallLog log;
  fakes::FakeMouse mouse{&log};
  fakes::FakeFiles files{&log};
  fakes::FakeProfile profile{&log};
  fakes::RecordingMessages messages{&log};
  fakes::RecordingLock lock{&log};
  AppState state;
  LocalState local;
};

TEST_F(ApplyTest, AsksTheMouseThenWritesItThenSavesTheFileThenTheKeyNames) {
  Apply();
  // The transfers under the lock, the write marked unfinished until it completes.
  std::vector<std::string> expected = {"Lock", "Create C:\\Mouse\\config.unfinished", "GetDPIStage", "WriteOperation",
                                       "Remove C:\\Mouse\\config.unfinished", "Unlock",
                                       "Replace C:\\Mouse\\config.bin"};
  for (const char* item : {"Item1", "Item2", "Item3", "Item4", "Item5", "Item6", "Item7", "Item8", "Item13",
                           "Item23", "Item33", "Item43", "Item53", "Item63", "Item73", "Item83"}) {
    expected.push_back(std::string("Put ") + item);
  }
  EXPECT_EQ(log, expected);
  EXPECT_EQ(profile.puts.front(), "Setting-EN/Item1=a1");
  EXPECT_EQ(profile.puts.back(), "Setting-EN/Item83=b8");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ApplyTest, EveryByteItDoesNotInterpretGoesBackAsTheMouseSentIt) {
  state.record[uirec::kLightMode] = kLightNeon;  // the mode that writes the most lighting bytes
  state.record[uirec::kNeonEffect] = kNeonRgbFlash;
  Apply();
  const ConfigImage read = MouseMemory();
  for (size_t offset = 0; offset < kBlockSetSize; ++offset) {
    if (!Interpreted(offset)) {
      EXPECT_EQ(SentField(offset), read.Field(offset)) << "block-set byte " << offset;
    }
  }
  EXPECT_TRUE(std::equal(read.BlockSet().begin(), read.BlockSet().begin() + 128, Sent().BlockSet().begin()));
}

TEST_F(ApplyTest, StatusCarriesTheEditedRateAndTheStageTheMouseIsInNow) {
  mouse.memory.StatusStage() = 4;  // the user switched stage on the mouse since the read
  state.record[uirec::kReportRate] = kRate125Hz;
  Apply();
  EXPECT_EQ(Sent().bytes[0], kRate125Hz);
  EXPECT_EQ(Sent().bytes[1], 4);
}

TEST_F(ApplyTest, FailedStatusQueryKeepsTheStageReadAtStartAndStillSaves) {
  mouse.statusOk = false;
  Apply();
  EXPECT_EQ(Sent().bytes[1], kMouseStage);
  EXPECT_THAT(files.writes, ElementsAre(local.paths.configFile));
  EXPECT_EQ(profile.puts.size(), 16u);
}

TEST_F(ApplyTest, FixedConsumerAndHotKeyTables) {
  Apply();
  EXPECT_EQ(SentRange(224, 32),
            (std::vector<uint8_t>{0xB5, 0, 0xB6, 0, 0xB7, 0, 0xCD, 0, 0xE2, 0, 0xE9, 0, 0xEA, 0, 0x83, 1,
                                  0x8A, 1, 0x92, 1, 0x94, 1, 0x21, 2, 0x23, 2, 0x24, 2, 0x25, 2, 0x27, 2}));
  EXPECT_EQ(SentRange(304, 16), (std::vector<uint8_t>{0xE0, 0x06, 0xE0, 0x1B, 0xE0, 0x19, 0xE0, 0x04, 0xE0, 0x12,
                                                       0xE0, 0x11, 0xE0, 0x16, 0xE0, 0x1D}));
}

TEST_F(ApplyTest, LightingBytesByMode) {
  struct Case {
    const char* name;
    uint8_t mode, brightness, period, effect;
    std::vector<uint8_t> bytes199To204;
  };
  const ConfigImage read = MouseMemory();
  const auto kept = [&](size_t offset) { return read.Field(offset); };
  const Case cases[] = {
      {"off", kLightOff, 9, 7, 2, {kept(199), kept(200), kept(201), 0, kept(203), kept(204)}},
      {"standard", kLightStandard, 6, 7, 2, {1, kept(200), kept(201), 1, 6, 2}},
      {"neon effect", kLightNeon, 6, 29, 1, {1, kept(200), kept(201), 2, 29, kept(204)}},
      {"neon flash", kLightNeon, 6, 12, 2, {2, 250, 2, 2, 12, kept(204)}},
      {"neon unknown effect", kLightNeon, 6, 12, 3, {kept(199), kept(200), kept(201), 2, 12, kept(204)}},
      {"unknown mode", 7, 6, 12, 2, {kept(199), kept(200), kept(201), 7, kept(203), kept(204)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state.image = MouseMemory();
    state.record[uirec::kLightMode] = c.mode;
    state.record[uirec::kBrightness] = c.brightness;
    state.record[uirec::kNeonPeriod] = c.period;
    state.record[uirec::kNeonEffect] = c.effect;
    Apply();
    EXPECT_EQ(SentRange(199, 6), c.bytes199To204);
  }
}

TEST_F(ApplyTest, StageColoursCountAndCodes) {
  struct Case {
    const char* name;
    std::array<uint8_t, 4> enabled;
    std::vector<uint8_t> colours;  // 280..303
    uint8_t count;
    std::vector<uint8_t> codes;  // 216..219 with selector 1 and indexes 1, 3, 5, 7
  };
  auto padded = [](std::vector<uint8_t> head) {
    head.resize(24, 0);
    return head;
  };
  const Case cases[] = {
      {"all enabled", {1, 1, 1, 1}, padded({255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0}), 4, {0x04, 0x07, 0x0A, 0x0E}},
      {"stages 1 and 3", {1, 0, 1, 0}, padded({255, 0, 0, 0, 0, 255}), 2, {0x04, 0x87, 0x0A, 0x8E}},
      {"all disabled", {0, 0, 0, 0}, padded({}), 0, {0x84, 0x87, 0x8A, 0x8E}},
      // An enabled byte of 2 is neither counted nor packed, yet its code has bit 7 clear.
      {"stage 2 holds 2", {1, 2, 0, 0}, padded({255, 0, 0}), 1, {0x04, 0x07, 0x8A, 0x8E}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int stage = 1; stage <= 4; ++stage) state.record.StageEnabled(stage) = c.enabled[stage - 1];
    Apply();
    EXPECT_EQ(SentRange(280, 24), c.colours);
    EXPECT_EQ(SentField(198), c.count);
    EXPECT_EQ(SentRange(216, 4), c.codes);
  }
}

TEST_F(ApplyTest, StageCodesOfADamagedIndexOrAnUnknownSelectorAreZero) {
  state.record.DpiIndex(1) = 200;
  state.record.StageEnabled(2) = 0;
  Apply();
  EXPECT_EQ(SentField(216), 0x00);
  state.dpiSelector = 9;
  Apply();
  EXPECT_EQ(SentRange(216, 4), (std::vector<uint8_t>{0x00, 0x80, 0x00, 0x00}));
}

TEST_F(ApplyTest, FireTimingAndSnipeCode) {
  state.record[uirec::kFireMakeTime] = 5;
  state.record[uirec::kFireBreakTime] = 255;
  state.record[uirec::kSnipeDpiCode] = 0x26;
  Apply();
  EXPECT_EQ(SentField(206), 5);
  EXPECT_EQ(SentField(207), 255);
  EXPECT_EQ(SentField(215), 0x26);
}

TEST_F(ApplyTest, KeysOneToFourOfBothModesLandInTheirSlots) {
  UiRecord& r = state.record;
  r.Key(uirec::kFunctionType, KeyMode::B, 1) = static_cast<uint8_t>(KeyFunctionType::Forward);
  r.Key(uirec::kFunctionType, KeyMode::B, 2) = static_cast<uint8_t>(KeyFunctionType::Multimedia);
  r.Key(uirec::kMediaIndex, KeyMode::B, 2) = 3;
  r.Key(uirec::kFunctionType, KeyMode::B, 3) = static_cast<uint8_t>(KeyFunctionType::FireKey);
  r.Key(uirec::kFireTargetCode, KeyMode::B, 3) = 0xE4;
  r.Key(uirec::kFireTimes, KeyMode::B, 3) = 5;
  r.Key(uirec::kFunctionType, KeyMode::B, 4) = static_cast<uint8_t>(KeyFunctionType::HotKey);
  r.Key(uirec::kHotKeyIndex, KeyMode::B, 4) = 7;
  Apply();
  EXPECT_EQ(SentRange(128, 6), (std::vector<uint8_t>{0xF0, 0x00, 0xF1, 0x00, 0xF2, 0x00}));
  EXPECT_EQ(SentRange(138, 2), (std::vector<uint8_t>{0x05, 0x03}));  // Mode A key 4: DPI Loop in slot 5
  EXPECT_EQ(SentRange(160, 6), (std::vector<uint8_t>{0xF4, 0x00, 0x03, 0x02, 0xE4, 0x85}));
  EXPECT_EQ(SentRange(168, 2), (std::vector<uint8_t>{0x17, 0x02}));  // Mode B key 4 in slot 4
}

TEST_F(ApplyTest, KeysFiveToEightNeverReachTheImage) {
  Apply();
  const ConfigImage before = Sent();
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 5; key <= 8; ++key) {
      state.record.Key(uirec::kFunctionType, mode, key) = static_cast<uint8_t>(KeyFunctionType::SingleKey);
      state.record.Key(uirec::kSingleKeyUsage, mode, key) = 0x04;
    }
  }
  Apply();
  EXPECT_EQ(Sent().bytes, before.bytes);
}

TEST_F(ApplyTest, TwiceWithoutEditsSendsTheSameImage) {
  Apply();
  Apply();
  ASSERT_EQ(mouse.written.size(), 2u);
  EXPECT_EQ(mouse.written[0].bytes, mouse.written[1].bytes);
  EXPECT_EQ(mouse.written[1].bytes[1], kMouseStage);
}

TEST_F(ApplyTest, SavesTheRecordWithTheFirstRunByteSet) {
  state.firstRun = 0;
  state.record[uirec::kReportRate] = kRate250Hz;
  Apply();
  const std::vector<uint8_t>& saved = files.files[local.paths.configFile];
  ASSERT_EQ(saved.size(), 200u);
  EXPECT_EQ(saved[0], 1);
  EXPECT_TRUE(std::equal(state.record.bytes.begin(), state.record.bytes.end(), saved.begin() + 1));
  EXPECT_EQ(state.firstRun, 0) << "the loaded byte stays until the next start";
}

// Neither file can be written: one message, in the language shown, says which and why and
// that the mouse took the settings; a half-written str.ini is never left behind.
TEST_F(ApplyTest, FilesThatCannotBeSavedAreNamedWithTheReasonOnceAndTheMouseStillTakesThem) {
  files.readOnly.insert(local.paths.configFile);
  profile.refusePuts = true;
  ApplyServices services = Services();
  services.language = Language::SimplifiedChinese;
  EXPECT_TRUE(ApplySettings(state, local, services));
  EXPECT_EQ(mouse.written.size(), 1u);
  EXPECT_THAT(messages.shown,
              ElementsAre(fakes::Message{u"鼠标已接受您的设置，但无法将其保存到程序所在的文件夹：\nconfig.bin: error 5\n"
                                         u"str.ini: the file is read-only",
                                         u""}));
  EXPECT_THAT(profile.puts, ::testing::IsEmpty());
  EXPECT_EQ(NotSavedText(Language::English, false, u"\nconfig.bin: x"),
            u"Your settings could not be saved beside the program:\nconfig.bin: x");
}

TEST_F(ApplyTest, MissingConfigFileIsReportedAndTheKeyNamesAreStillWritten) {
  files.files.clear();
  Apply();
  EXPECT_THAT(messages.shown, ElementsAre(fakes::Message{u"Config file is not exist.", u""}));
  EXPECT_EQ(mouse.written.size(), 1u);
  EXPECT_EQ(profile.puts.size(), 16u);
}

// A read that did not complete left blocks the mouse never sent; writing them back would
// overwrite the mouse's own data with zeros.
TEST_F(ApplyTest, IncompleteImageIsReadAgainBeforeAnythingIsWritten) {
  state.imageComplete = false;
  state.image.Clear();
  state.image.StatusRate() = 0x55;  // leftovers of the broken read
  state.dpiSelector = 0;
  mouse.memory.Field(blockset::kDpiSelector) = 3;
  Apply();
  ASSERT_EQ(Calls().size(), 4u + 16u);
  EXPECT_THAT(FirstCalls(3),
              ElementsAre("ReadOperation", "GetDPIStage", "WriteOperation"));
  EXPECT_THAT(mouse.imageZeroedBeforeRead, ElementsAre(true));
  EXPECT_TRUE(state.imageComplete);
  EXPECT_EQ(state.dpiSelector, 3);
  EXPECT_EQ(state.scrambling, 1);
  EXPECT_EQ(SentRange(216, 4), (std::vector<uint8_t>{0x02, 0x04, 0x06, 0x08}));  // selector 3 codes
  EXPECT_TRUE(std::equal(mouse.memory.BlockSet().begin(), mouse.memory.BlockSet().begin() + 128,
                         MouseMemory().BlockSet().begin()));
}

TEST_F(ApplyTest, IncompleteImageThatCannotBeReadSendsNothingButSavesTheFiles) {
  state.imageComplete = false;
  mouse.readOk = false;
  Apply();
  // The user must not believe the settings reached the mouse.
  EXPECT_THAT(FirstCalls(3),
              ElementsAre("ReadOperation", "message no mouse", "Replace C:\\Mouse\\config.bin"));
  EXPECT_FALSE(Marked()) << "nothing was written";
  EXPECT_THAT(messages.shown, ElementsAre(fakes::Message{u"no mouse", u"WriteOperation"}));
  EXPECT_TRUE(mouse.written.empty());
  EXPECT_FALSE(state.imageComplete);
  EXPECT_EQ(profile.puts.size(), 16u);
  mouse.readOk = true;
  Apply();  // the next Apply tries again
  EXPECT_EQ(mouse.written.size(), 1u);
}

struct UnreachedCase {
  const char* what;
  int connected;
  bool statusOk, writeOk;
  LockWait wait;
  std::vector<std::u16string> captions;  // the pipeline's own; the protocol shows a status failure
  bool ok;                               // OK, else Apply
};
void PrintTo(const UnreachedCase& c, std::ostream* out) { *out << c.what << (c.ok ? ", OK" : ", Apply"); }

class UnreachedMouseTest : public ApplyTest, public ::testing::WithParamInterface<UnreachedCase> {};

// Settings that did not reach the mouse are still saved and the user is told; the saved
// copy stays what the mouse last took, so Cancel never "restores" settings it never got.
TEST_P(UnreachedMouseTest, SavesTheFilesSaysSoAndKeepsTheSavedCopy) {
  const UnreachedCase& c = GetParam();
  state.connected = c.connected;
  mouse.statusOk = c.statusOk;
  mouse.writeOk = c.writeOk;
  lock.wait = c.wait;
  state.record[uirec::kReportRate] = kRate125Hz;
  const ButtonResult result = c.ok ? PressOk(state, local, Services()) : PressApply(state, local, Services());
  EXPECT_FALSE(result.applied);
  EXPECT_EQ(result.hideWindow, c.ok);
  std::vector<std::u16string> captions;
  for (const fakes::Message& m : messages.shown) captions.push_back(m.caption);
  EXPECT_EQ(captions, c.captions);
  EXPECT_EQ(files.files[local.paths.configFile][1 + uirec::kReportRate], kRate125Hz);
  EXPECT_EQ(profile.puts.size(), 16u);
  EXPECT_NE(state.savedCopy, state.record);
  // A mouse that may hold part of an image is read again before the next write, and the
  // write is remembered as unfinished until one completes.
  EXPECT_EQ(state.imageComplete, c.writeOk);
  EXPECT_EQ(state.writeUnfinished, !c.writeOk);
  EXPECT_EQ(Marked(), !c.writeOk);
  EXPECT_FALSE(lock.held);
  if (c.wait == LockWait::Busy) {
    EXPECT_TRUE(mouse.written.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    OkAndApply, UnreachedMouseTest,
    ::testing::Values(UnreachedCase{"mouse missing", 0, true, true, LockWait::Free, {u"WriteOperation"}, true},
                      UnreachedCase{"mouse missing", 0, true, true, LockWait::Free, {u"WriteOperation"}, false},
                      UnreachedCase{"status unanswered", 1, false, true, LockWait::Free, {}, true},
                      UnreachedCase{"a block write failed", 1, true, false, LockWait::Free, {u"WriteOperation"}, true},
                      UnreachedCase{"a block write failed", 1, true, false, LockWait::Free, {u"WriteOperation"}, false},
                      UnreachedCase{"another program holds the mouse", 1, true, true, LockWait::Busy,
                                    {u"WriteOperation"}, false}));

TEST_F(ApplyTest, AfterWaitingForAnotherProgramTheMouseIsReadBeforeItIsWritten) {
  lock.wait = LockWait::AfterWait;
  mouse.memory.Field(10) = 0x77;  // what the other program left in a byte the page never sets
  Apply();
  EXPECT_THAT(FirstCalls(3),
              ElementsAre("ReadOperation", "GetDPIStage", "WriteOperation"));
  EXPECT_EQ(SentField(10), 0x77);
  EXPECT_FALSE(lock.held);
}

TEST_F(ApplyTest, AWriteCutShortStaysMarkedUntilOneApplyCompletesIt) {
  state.openMouse = u"USB\\VID_04D9&PID_A09E\\1";
  mouse.writeOk = false;
  Apply();
  ASSERT_TRUE(Marked());
  EXPECT_EQ(ReadUnfinishedWrite(files, local.paths), state.openMouse) << "the mark names the mouse";
  const std::u16string first = std::exchange(state.openMouse, u"USB\\VID_04D9&PID_A09E\\2");
  mouse.writeOk = true;
  Apply();  // another mouse took its write whole: the first is still half written
  EXPECT_TRUE(Marked());
  EXPECT_EQ(state.unfinishedMouse, first);
  state.openMouse = first;
  mouse.statusOk = false;  // a try that writes nothing leaves the mouse as the cut left it
  Apply();
  EXPECT_TRUE(Marked());
  EXPECT_TRUE(state.writeUnfinished);
  mouse.statusOk = mouse.writeOk = true;
  Apply();
  EXPECT_FALSE(Marked());
  EXPECT_FALSE(state.writeUnfinished);
  EXPECT_EQ(mouse.memory.bytes, mouse.written.back().bytes);
}

TEST_F(ApplyTest, OkAppliesKeepsTheSavedCopyAndHidesApplyKeepsTheWindow) {
  state.record[uirec::kReportRate] = kRate125Hz;
  const ButtonResult apply = PressApply(state, local, Services());
  EXPECT_TRUE(apply.applied);
  EXPECT_FALSE(apply.hideWindow);
  EXPECT_EQ(state.savedCopy, state.record);
  state.record[uirec::kReportRate] = kRate250Hz;
  const ButtonResult ok = PressOk(state, local, Services());
  EXPECT_TRUE(ok.applied);
  EXPECT_TRUE(ok.hideWindow);
  EXPECT_EQ(state.savedCopy[uirec::kReportRate], kRate250Hz);
  EXPECT_EQ(mouse.written.size(), 2u);
}

TEST_F(ApplyTest, CancelAfterApplyReturnsToThatApplyNotToStartUp) {
  state.record[uirec::kReportRate] = kRate125Hz;
  PressApply(state, local, Services());
  state.record[uirec::kReportRate] = kRate500Hz;
  const ButtonResult cancel = PressCancel(state);
  EXPECT_TRUE(cancel.hideWindow);
  EXPECT_FALSE(cancel.applied);
  EXPECT_EQ(state.record[uirec::kReportRate], kRate125Hz);
  EXPECT_EQ(state.cancelPending, 1);
  EXPECT_EQ(mouse.written.size(), 1u);
}

TEST_F(ApplyTest, CancelWorksWithoutAMouse) {
  state.connected = 0;
  state.record[uirec::kLightMode] = kLightOff;
  EXPECT_TRUE(PressCancel(state).hideWindow);
  EXPECT_EQ(state.record, DefaultRecord());
}

}  // namespace
}  // namespace qv
