// qv318ctl's commands against the simulated mouse holding a fixture memory: what each
// prints, what it leaves in the mouse and the exit code it answers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <variant>

#include "cli/backup_file.h"
#include "cli/commands.h"
#include "common/paths.h"
#include "config/defaults.h"
#include "config/local_files.h"
#include "device/device_fakes.h"
#include "device/sim_memory.h"
#include "device/sim_mouse.h"
#include "device/two_mice_bus.h"

namespace qv::cli {
namespace {

using ::testing::HasSubstr;

struct MemoryFiles final : FileSystem {
  std::map<std::u16string, std::vector<uint8_t>> files;
  bool Exists(std::u16string_view path) override { return files.count(std::u16string(path)) > 0; }
  std::optional<std::vector<uint8_t>> Read(std::u16string_view path, size_t maxSize) override {
    const auto found = files.find(std::u16string(path));
    if (found == files.end() || found->second.size() > maxSize) return std::nullopt;
    return found->second;
  }
  bool Replace(std::u16string_view path, std::span<const uint8_t> content) override {
    files[std::u16string(path)].assign(content.begin(), content.end());
    return true;
  }
  bool Create(std::u16string_view path, std::span<const uint8_t> content) override { return Replace(path, content); }
  bool Remove(std::u16string_view path) override {
    files.erase(std::u16string(path));
    return true;
  }
  std::optional<std::vector<std::u16string>> FileNames(std::u16string_view folder) override {
    std::vector<std::u16string> names;
    for (const auto& [path, content] : files) {
      if (DirectoryOf(path) == folder) names.emplace_back(FileNameOf(path));
    }
    return names;
  }
  bool Rename(std::u16string_view from, std::u16string_view to) override {
    auto found = files.extract(std::u16string(from));
    if (found.empty()) return false;
    files.insert_or_assign(std::u16string(to), std::move(found.mapped()));
    return true;
  }
  bool MakeFolder(std::u16string_view) override { return true; }
  uint32_t LastError() override { return 0; }
};

uint8_t& At(SimMemory& memory, size_t blocksetOffset) { return memory[kStatusSize + blocksetOffset]; }

void SetSlot(SimMemory& memory, size_t table, size_t slot, uint8_t code, uint8_t type) {
  At(memory, table + 2 * slot) = code;
  At(memory, table + 2 * slot + 1) = type;
}

void SetColours(SimMemory& memory, std::vector<uint8_t> packed) {
  packed.resize(blockset::kStageColoursSize, 0);
  std::copy(packed.begin(), packed.end(), memory.begin() + kStatusSize + blockset::kStageColours);
}

// The default memory with a key of every kind of parameter, stage 3 off, Neon lighting and
// fire and snipe fields of their own.
SimMemory Fixture() {
  SimMemory memory = DefaultSimMemory();
  SetSlot(memory, blockset::kModeAKeyTable, 1, 0x05, 0x02);  // key 2: Multimedia Vol+
  SetSlot(memory, blockset::kModeAKeyTable, 5, 0x17, 0x02);  // key 4: HotKey Undo
  SetSlot(memory, blockset::kModeBKeyTable, 2, 0x2C, 0x00);  // key 3: Single Key Space
  SetSlot(memory, blockset::kModeBKeyTable, 4, 0xE4, 0x83);  // key 4: Fire Key R-CTRL x3
  At(memory, blockset::kStageCodes + 2) |= 0x80;
  At(memory, blockset::kEnabledStageCount) = 3;
  SetColours(memory, {0xFF, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0});
  At(memory, blockset::kLightMode) = kLightNeon;
  At(memory, blockset::kLightParameter) = 4;  // 2.5 s
  At(memory, blockset::kLightEffect) = kNeonRgbFlash;
  At(memory, blockset::kNeonFlash250) = 250;
  At(memory, blockset::kNeonFlash2) = 2;
  At(memory, blockset::kSnipeDpiCode) = 0x07;  // 1750 DPI
  At(memory, blockset::kFireMakeTime) = 20;
  At(memory, blockset::kFireBreakTime) = 35;
  return memory;
}

constexpr char kFixtureDump[] =
    "Report rate: 1000 Hz\n"
    "DPI table: 0\n"
    "Stage 1: 500 DPI, on, colour FF0000\n"
    "Stage 2: 1000 DPI, on, colour 00FF00\n"
    "Stage 3: 2000 DPI, off\n"
    "Stage 4: 3000 DPI, on, colour FFFF00\n"
    "Snipe: 1750 DPI\n"
    "Fire: Make Time 20, Break Time 35\n"
    "Lighting: Neon, 2.5S, RGB Flash\n"
    "Key 1, Mode A: Left Click\n"
    "Key 2, Mode A: Multimedia Vol+\n"
    "Key 3, Mode A: Mid Click\n"
    "Key 4, Mode A: HotKey Undo\n"
    "Key 1, Mode B: Left Click\n"
    "Key 2, Mode B: Right Click\n"
    "Key 3, Mode B: Single Key Space\n"
    "Key 4, Mode B: Fire Key R-CTRL, 3 shots\n";

struct Result {
  ExitCode code;
  std::string out;
  std::string error;
};

Result RunOn(HidBus& mouse, MemoryFiles& files, const std::vector<std::string>& args, TransferLock* lock = nullptr) {
  const auto parsed = ParseArguments(args);
  if (const auto* usage = std::get_if<std::string>(&parsed)) return {ExitCode::Usage, "", *usage};
  test::FakePause pause;
  std::ostringstream out;
  Environment env{mouse, pause, files, out, nullptr, lock, {}};
  const Outcome outcome = RunCommand(std::get<Command>(parsed), env);
  return {outcome.code, out.str(), outcome.error};
}

struct Case {
  std::vector<std::string> args;
  ExitCode code;
  std::function<void(SimMemory&)> change;  // what the command leaves in the mouse
  std::string output;                      // a part of what it prints
};

TEST(CliCommands, EachCommandPrintsChangesAndAnswersAsItShould) {
  const auto none = [](SimMemory&) {};
  const std::vector<Case> cases = {
      {{"dump"}, ExitCode::Ok, none, kFixtureDump},
      {{"dump", "--json"}, ExitCode::Ok, none,
       "{\"mode\": \"B\", \"key\": 4, \"function\": \"Fire Key\", \"parameter\": \"R-CTRL, 3 shots\"}"},
      {{"dump", "--json"}, ExitCode::Ok, none,
       "\"snipeDpi\": 1750,\n  \"fire\": {\"makeTime\": 20, \"breakTime\": 35},\n  \"lighting\": {"},
      {{"list"}, ExitCode::Ok, none, "  command channel: \\\\?\\HID#VID_04D9&PID_A09E&MI_01&Col01"},
      {{"set", "rate", "500"}, ExitCode::Ok, [](SimMemory& m) { m[ConfigImage::kStatusRate] = kRate500Hz; }, ""},
      {{"set", "stage", "2", "dpi", "1750"}, ExitCode::Ok, [](SimMemory& m) { At(m, blockset::kStageCodes + 1) = 0x07; }, ""},
      {{"set", "stage", "3", "on"}, ExitCode::Ok,
       [](SimMemory& m) {
         At(m, blockset::kStageCodes + 2) = 0x08;
         At(m, blockset::kEnabledStageCount) = 4;
         SetColours(m, {0xFF, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0});
       },
       ""},
      {{"set", "stage", "1", "off"}, ExitCode::Ok,
       [](SimMemory& m) {
         At(m, blockset::kStageCodes) = 0x82;
         At(m, blockset::kEnabledStageCount) = 2;
         SetColours(m, {0, 0xFF, 0, 0xFF, 0xFF, 0});
       },
       ""},
      {{"set", "stage", "4", "colour", "123456"}, ExitCode::Ok,
       [](SimMemory& m) { SetColours(m, {0xFF, 0, 0, 0, 0xFF, 0, 0x12, 0x34, 0x56}); }, ""},
      {{"set", "light", "standard", "55"}, ExitCode::Ok,
       [](SimMemory& m) {
         At(m, blockset::kLightMode) = kLightStandard;
         At(m, blockset::kLightParameter) = 5;
         At(m, blockset::kLightEffect) = 1;
         At(m, blockset::kStandard2) = 2;
       },
       ""},
      {{"set", "light", "off"}, ExitCode::Ok, [](SimMemory& m) { At(m, blockset::kLightMode) = kLightOff; }, ""},
      {{"set", "stage", "3", "colour", "123456"}, ExitCode::Usage, none, ""},  // off: no colour kept
      {{"set", "stage", "1", "dpi", "1600"}, ExitCode::Usage, none, ""},       // not in DPI table 0
      {{"set", "rate", "300"}, ExitCode::Usage, none, ""},
      {{"restore", "missing.qvb"}, ExitCode::File, none, ""},
      {{"apply", "missing.bin"}, ExitCode::File, none, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    SimMouse mouse;
    mouse.SetMemory(Fixture());
    MemoryFiles files;
    const Result run = RunOn(mouse, files, c.args);
    EXPECT_EQ(run.code, c.code) << run.error;
    EXPECT_EQ(run.error.empty(), c.code == ExitCode::Ok) << run.error;
    EXPECT_THAT(run.out, HasSubstr(c.output));
    SimMemory expected = Fixture();
    c.change(expected);
    EXPECT_EQ(mouse.Memory(), expected);
  }
}

// Identical mice are listed one by one, and the other commands talk to the one named.
TEST(CliCommands, TwoMiceAreListedApartAndDumpReadsTheOneNamed) {
  test::TwoMiceBus bus;
  bus.order = {{1, test::kSimConsumer}, {0, test::kSimData}, {1, test::kSimData}, {1, test::kSimCommand},
               {0, test::kSimCommand}};
  bus.mice[0].SetMemory(Fixture());
  MemoryFiles files;
  const std::string device = "USB\\VID_04D9&PID_A09E\\5&2C3D4E5F&0&1#";
  const std::string path = "\\\\?\\HID#VID_04D9&PID_A09E&MI_0";
  const Result list = RunOn(bus, files, {"list"});
  EXPECT_EQ(list.code, ExitCode::Ok);
  const size_t a = list.out.find("Mouse 04D9:A09E at " + device + "A\n  data channel: A" + path + "0#");
  const size_t b = list.out.find("Mouse 04D9:A09E at " + device + "B\n  other collection");
  EXPECT_LT(b, a) << list.out;
  EXPECT_NE(a, std::string::npos) << list.out;
  EXPECT_THAT(list.out, HasSubstr("  command channel: A" + path + "1&Col01#"));
  EXPECT_THAT(list.out, HasSubstr("opened: yes, of the mouse at " + device + "A\n"));
  EXPECT_EQ(RunOn(bus, files, {"dump"}).out, kFixtureDump);
}

TEST(CliCommands, ApplySendsConfigBinAsTheTrayProgramDoes) {
  SimMouse mouse;
  mouse.SetMemory(Fixture());
  MemoryFiles files;
  const auto content = ConfigFileContent(1, DefaultRecord());
  files.files[u"config.bin"].assign(content.begin(), content.end());
  const Result run = RunOn(mouse, files, {"apply", "config.bin"});
  ASSERT_EQ(run.code, ExitCode::Ok) << run.error;
  SimMouse reader;
  reader.SetMemory(mouse.Memory());
  EXPECT_THAT(RunOn(reader, files, {"dump"}).out,
              HasSubstr("Key 2, Mode A: Right Click\nKey 3, Mode A: Mid Click\nKey 4, Mode A: DPI Switch DPI Loop\n"));
}

// One valid config.bin broken one field at a time, and whole files of nothing, of erased
// memory and of noise: refused naming the field, before anything reaches the mouse. Levels
// beyond an 8-level table are refused once the mouse says it has one.
TEST(CliCommands, ApplyRefusesARecordTheWindowCouldNotHaveWritten) {
  const auto broken = [](std::function<void(UiRecord&)> change) {
    UiRecord r = DefaultRecord();
    change(r);
    const auto content = ConfigFileContent(1, r);
    return std::vector<uint8_t>(content.begin(), content.end());
  };
  std::mt19937 random(25);
  std::vector<uint8_t> noise(kConfigFileSize);
  for (uint8_t& byte : noise) byte = static_cast<uint8_t>(random());
  SimMemory eightLevels = Fixture();
  At(eightLevels, blockset::kDpiSelector) = 3;
  const std::vector<std::tuple<const char*, std::vector<uint8_t>, std::string, SimMemory>> cases = {
      {"all zero", std::vector<uint8_t>(kConfigFileSize, 0), "(report rate)", Fixture()},
      {"all 0xFF", std::vector<uint8_t>(kConfigFileSize, 0xFF), "(report rate)", Fixture()},
      {"noise", noise, "(", Fixture()},
      {"stage on/off 2", broken([](UiRecord& r) { r.StageEnabled(2) = 2; }), "(stage 2 on/off)", Fixture()},
      {"no stage on", broken([](UiRecord& r) { for (int s = 1; s <= 4; ++s) r.StageEnabled(s) = 0; }),
       "(DPI stages (none is on))", Fixture()},
      {"fire time 0", broken([](UiRecord& r) { r[uirec::kFireBreakTime] = 0; }), "(fire break time)", Fixture()},
      {"no Left Click", broken([](UiRecord& r) { r.Key(uirec::kFunctionType, KeyMode::A, 1) = 1; }),
       "(Mode A (no key is Left Click))", Fixture()},
      {"media index 9", broken([](UiRecord& r) {
         r.Key(uirec::kFunctionType, KeyMode::B, 3) = 7;
         r.Key(uirec::kMediaIndex, KeyMode::B, 3) = 9;
       }),
       "(Mode B key 3)", Fixture()},
      {"level 11 of 8", broken([](UiRecord& r) { r.DpiIndex(4) = 11; }), "(stage 4 DPI)", eightLevels},
  };
  for (const auto& [name, content, field, memory] : cases) {
    SCOPED_TRACE(name);
    SimMouse mouse;
    mouse.SetMemory(memory);
    MemoryFiles files;
    files.files[u"config.bin"] = content;
    const Result run = RunOn(mouse, files, {"apply", "config.bin"});
    EXPECT_EQ(run.code, ExitCode::File);
    EXPECT_THAT(run.error, HasSubstr("config.bin holds a value the settings window cannot set " + field));
    EXPECT_EQ(mouse.Memory(), memory);
    const auto blocksWritten = std::count_if(mouse.Transfers().begin(), mouse.Transfers().end(), [](const SimTransfer& t) {
      return t.direction == SimDirection::Set && t.channel == SimChannel::Data;
    });
    EXPECT_EQ(blocksWritten, 0);
    if (memory == Fixture()) {
      EXPECT_EQ(mouse.TransferAttempts(), 0u) << "refused before the mouse is asked";
    }
  }
}

// Writing and checking a backup use the same function, so a round trip passes with any
// polynomial; the standard check value pins it to the CRC-32 that other tools compute.
TEST(BackupFile, TheChecksumIsIeeeCrc32) {
  const std::string_view check = "123456789";
  EXPECT_EQ(Crc32(std::span(reinterpret_cast<const uint8_t*>(check.data()), check.size())), 0xCBF43926u);
}

TEST(CliCommands, BackupThenRestoreGivesTheMemoryBack) {
  SimMouse mouse;
  mouse.SetMemory(Fixture());
  MemoryFiles files;
  ASSERT_EQ(RunOn(mouse, files, {"backup", "mouse.qvb"}).code, ExitCode::Ok);
  ASSERT_EQ(RunOn(mouse, files, {"set", "light", "off"}).code, ExitCode::Ok);
  const Result run = RunOn(mouse, files, {"restore", "mouse.qvb"});
  EXPECT_EQ(run.code, ExitCode::Ok) << run.error;
  EXPECT_EQ(mouse.Memory(), Fixture());
}

// One valid backup broken one way at a time: refused before the mouse is asked anything.
TEST(CliCommands, RestoreRefusesDamagedTruncatedAndForeignFilesWithoutTouchingTheMouse) {
  ConfigImage image;
  const SimMemory fixture = Fixture();
  std::copy(fixture.begin(), fixture.end(), image.bytes.begin());
  const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> breaks = {
      {"damaged", [](std::vector<uint8_t>& f) { f[kBackupHeaderSize + 200] ^= 0x01; }},
      {"truncated", [](std::vector<uint8_t>& f) { f.pop_back(); }},
      {"header only", [](std::vector<uint8_t>& f) { f.resize(kBackupHeaderSize); }},
      {"foreign", [](std::vector<uint8_t>& f) { f[0] = 'X'; }},
      {"config.bin", [](std::vector<uint8_t>& f) { f.assign(kConfigFileSize, 0); }},
      {"other version", [](std::vector<uint8_t>& f) { f[kBackupVersionOffset] = 2; }},
  };
  for (const auto& [name, breakIt] : breaks) {
    SCOPED_TRACE(name);
    SimMouse mouse;
    mouse.SetMemory(DefaultSimMemory());
    MemoryFiles files;
    std::vector<uint8_t> content = BackupContent(image);
    breakIt(content);
    files.files[u"broken.qvb"] = content;
    const Result run = RunOn(mouse, files, {"restore", "broken.qvb"});
    EXPECT_EQ(run.code, ExitCode::File);
    EXPECT_THAT(run.error, HasSubstr("broken.qvb"));
    EXPECT_EQ(mouse.TransferAttempts(), 0u);
    EXPECT_EQ(mouse.Memory(), DefaultSimMemory());
  }
}

size_t TransfersOf(const std::vector<std::string>& args) {
  SimMouse mouse;
  mouse.SetMemory(Fixture());
  MemoryFiles files;
  EXPECT_EQ(RunOn(mouse, files, args).code, ExitCode::Ok);
  return mouse.TransferAttempts();
}

// A `set` is a read, a write and a read-back. A fault in the read leaves the mouse as it
// was; one in the write is a failed write; one in the read-back a failed verification.
TEST(CliCommands, AFaultAtAnyTransferOfASetFailsWithThePhasesExitCode) {
  const std::vector<std::string> set = {"set", "stage", "2", "dpi", "1750"};
  const size_t read = TransfersOf({"dump"});
  const size_t total = TransfersOf(set);
  const size_t write = total - 2 * read;
  SimMemory after = Fixture();
  At(after, blockset::kStageCodes + 1) = 0x07;
  const auto phaseCode = [&](size_t transfer) {
    return transfer < read ? ExitCode::ReadFailed : transfer < read + write ? ExitCode::WriteFailed : ExitCode::Mismatch;
  };
  enum class Fault { Unplugged, NoAnswer, WrongSignature };
  for (Fault fault : {Fault::Unplugged, Fault::NoAnswer, Fault::WrongSignature}) {
    for (size_t transfer = 0; transfer < total; ++transfer) {
      // The signature is examined only in the status answer, each operation's second transfer.
      const bool statusAnswer = transfer == 1 || transfer == read + 1 || transfer == read + write + 1;
      if (fault == Fault::WrongSignature && !statusAnswer) continue;
      SCOPED_TRACE(::testing::Message() << "fault " << static_cast<int>(fault) << " at transfer " << transfer);
      SimMouse mouse;
      mouse.SetMemory(Fixture());
      SimFaults& faults = mouse.Faults();
      if (fault == Fault::Unplugged) faults.unplugBeforeTransfer = transfer;
      faults.faultsFromTransfer = transfer;
      faults.noAnswer = fault == Fault::NoAnswer;
      faults.wrongSignature = fault == Fault::WrongSignature;
      MemoryFiles files;
      const Result run = RunOn(mouse, files, set);
      EXPECT_EQ(run.code, phaseCode(transfer)) << run.error;
      if (transfer < read || (fault == Fault::WrongSignature && transfer < read + write)) {
        EXPECT_EQ(mouse.Memory(), Fixture());  // nothing written
      } else if (transfer >= read + write) {
        EXPECT_EQ(mouse.Memory(), after);
      } else {  // cut off while writing: every block is the old one or the new one
        EXPECT_TRUE(mouse.Memory() == Fixture() || mouse.Memory() == after);
        // The message says how to finish, and doing so finishes it.
        EXPECT_THAT(run.error, HasSubstr("run the same qv318ctl set command again"));
        mouse.Faults() = {};
        mouse.Plug();
        EXPECT_EQ(RunOn(mouse, files, set).code, ExitCode::Ok);
        EXPECT_EQ(mouse.Memory(), after);
      }
    }
  }
}

// Another program holds the mouse: the command waits (with a bound), then says it is busy
// and touches nothing; after a wait it reads the mouse before it writes.
TEST(CliCommands, EveryCommandThatTalksToTheMouseHoldsTheTransferLock) {
  struct Lock : TransferLock {
    LockWait wait = LockWait::Busy;
    int held = 0;
    LockWait Acquire() override {
      if (wait != LockWait::Busy) ++held;
      return wait;
    }
    void Release() override { --held; }
  } lock;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"dump"}, {"backup", "b.qvb"}, {"set", "rate", "500"}, {"apply", "config.bin"}}) {
    SCOPED_TRACE(args[0]);
    SimMouse mouse;
    mouse.SetMemory(Fixture());
    MemoryFiles files;
    const auto content = ConfigFileContent(1, DefaultRecord());
    files.files[u"config.bin"].assign(content.begin(), content.end());
    lock.wait = LockWait::Busy;
    const Result busy = RunOn(mouse, files, args, &lock);
    EXPECT_EQ(busy.code, ExitCode::NoMouse);
    EXPECT_THAT(busy.error, HasSubstr("busy"));
    EXPECT_EQ(mouse.TransferAttempts(), 0u);
    lock.wait = LockWait::AfterWait;
    RunOn(mouse, files, args, &lock);
    EXPECT_GT(mouse.TransferAttempts(), 0u);
    EXPECT_EQ(lock.held, 0);
  }
}

TEST(CliCommands, AVerifiedWriteCatchesABlockTheMouseSilentlyDropped) {
  SimMouse mouse;
  mouse.SetMemory(Fixture());
  mouse.Faults().dropWrittenBlock = 4;
  MemoryFiles files;
  const Result run = RunOn(mouse, files, {"set", "stage", "2", "dpi", "1750"});
  EXPECT_EQ(run.code, ExitCode::Mismatch);
  EXPECT_THAT(run.error, HasSubstr("block 4"));
  EXPECT_EQ(mouse.Memory(), Fixture());
}

// The whole program over real files in a fresh folder; "@name" in an argument is that
// folder's file. No row may reach the platform's bus, and no failing row may change a file.
class Folder {
 public:
  Folder() : path_(std::filesystem::temp_directory_path() / ("qv318ctl-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directory(path_);
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  std::string Name(const std::string& arg) const { return arg[0] == '@' ? (path_ / arg.substr(1)).string() : arg; }
  void Write(const std::string& name, std::span<const uint8_t> bytes) const {
    std::ofstream(path_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  std::map<std::string, std::string> Contents() const {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      contents[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return contents;
  }

 private:
  std::filesystem::path path_;
};

struct NoBus final : Platform {
  std::unique_ptr<HidBus> CreateBus() override {
    ADD_FAILURE() << "the platform's bus was asked for";
    return std::make_unique<SimMouse>();
  }
  std::unique_ptr<TransferLock> CreateTransferLock() override { return std::make_unique<NoTransferLock>(); }
  std::filesystem::path ProfilesFolder() override { return "no-such-folder-asked-for"; }
};

struct ProgramCase {
  std::vector<std::string> args;
  ExitCode code;
  std::string said;  // a part of stderr, or of stdout when the code is Ok
};

TEST(CliProgram, EachArgumentErrorSaysWhatIsWrongWithItsExitCode) {
  Folder folder;
  const SimMemory memory = Fixture();
  SimMemory oneStage = Fixture();  // only stage 2 on
  At(oneStage, blockset::kStageCodes) |= 0x80;
  At(oneStage, blockset::kStageCodes + 3) |= 0x80;
  At(oneStage, blockset::kEnabledStageCount) = 1;
  SetColours(oneStage, {0, 0xFF, 0});
  folder.Write("memory.bin", memory);
  folder.Write("one-stage.bin", oneStage);
  folder.Write("other.txt", std::vector<uint8_t>{'h', 'e', 'l', 'l', 'o', '\n'});
  std::filesystem::create_directory(folder.Name("@folder"));
  // Where the new memory would be written first stands a folder: the file cannot be replaced.
  std::filesystem::create_directory(folder.Name("@memory.bin.new"));
  const std::vector<ProgramCase> cases = {
      {{"--version"}, ExitCode::Ok, "qv318ctl " QV_VERSION "\n"},
      {{"--help"}, ExitCode::Ok, "  --version"},
      {{"dump", "--jsn"}, ExitCode::Usage, "unknown option \"--jsn\""},
      {{"dump", "extra"}, ExitCode::Usage, "unexpected \"extra\" after \"dump\""},
      {{"backup"}, ExitCode::Usage, "backup needs a file name."},
      {{"restore", "a.qvb", "b.qvb"}, ExitCode::Usage, "unexpected \"b.qvb\" after \"restore a.qvb\""},
      {{"--sim"}, ExitCode::Usage, "--sim needs the simulated mouse's memory file."},
      {{"set"}, ExitCode::Usage, "set needs a field: rate, stage or light."},
      {{"set", "rate"}, ExitCode::Usage, "set rate needs 125, 250, 500 or 1000 (Hz)."},
      {{"set", "rate", "300"}, ExitCode::Usage, "set rate takes 125, 250, 500 or 1000 (Hz), not \"300\"."},
      {{"set", "stage"}, ExitCode::Usage, "set stage needs a stage number from 1 to 4."},
      {{"set", "stage", "5", "on"}, ExitCode::Usage, "set stage takes a stage number from 1 to 4, not \"5\"."},
      {{"set", "stage", "2"}, ExitCode::Usage, "set stage 2 needs what to set: \"dpi VALUE\""},
      {{"set", "stage", "2", "blink"}, ExitCode::Usage, "set stage 2 takes \"dpi VALUE\", "},
      {{"set", "stage", "2", "dpi"}, ExitCode::Usage, "set stage 2 dpi needs a value of the mouse's DPI table"},
      {{"set", "stage", "2", "off", "now"}, ExitCode::Usage, "unexpected \"now\" after \"set stage 2 off\""},
      {{"set", "stage", "2", "colour", "red"}, ExitCode::Usage, "such as FF8000, not \"red\"."},
      {{"set", "light", "standard"}, ExitCode::Usage, "set light standard needs a brightness of 5, 15"},
      {{"set", "light", "neon", "2", "sparkle"}, ExitCode::Usage, "takes \"effect\" or \"flash\", not \"sparkle\"."},
      {{"--sim", "@folder", "dump"}, ExitCode::File, "folder is a folder, not a file for the simulated mouse's memory."},
      {{"--sim", "@other.txt", "set", "rate", "500"}, ExitCode::File, "other.txt is 6 bytes long, not the 322"},
      {{"--sim", "@nowhere/mouse.bin", "dump"}, ExitCode::File, "mouse.bin: its folder does not exist."},
      {{"--sim", "@memory.bin", "restore", "@missing.qvb"}, ExitCode::File, "missing.qvb: No such file or directory."},
      {{"--sim", "@memory.bin", "apply", "@folder"}, ExitCode::File, "folder: Is a directory."},
      {{"--sim", "@memory.bin", "apply", "@other.txt"}, ExitCode::File, "other.txt is 6 bytes long, not the 200"},
      {{"--sim", "@one-stage.bin", "set", "stage", "2", "off"}, ExitCode::Usage, "stage 2 is the only stage on"},
      {{"--sim", "@memory.bin", "set", "rate", "500"}, ExitCode::File, "memory.bin: Is a directory; the write did not happen."},
  };
  const auto before = folder.Contents();
  for (const ProgramCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(folder.Name(arg));
    std::ostringstream out, err;
    NoBus platform;
    EXPECT_EQ(RunProgram(args, out, err, platform), ToInt(c.code)) << err.str();
    EXPECT_THAT(c.code == ExitCode::Ok ? out.str() : err.str(), HasSubstr(c.said));
    if (c.code != ExitCode::Ok) {
      EXPECT_THAT(err.str(), ::testing::MatchesRegex("qv318ctl: [^\n]*\\.\n"));  // one sentence, one line
    }
    EXPECT_EQ(folder.Contents(), before);
  }
}

// The profile commands in the order a player would use them, on one simulated mouse and
// one Profiles folder: a profile saved from the mouse comes back byte for byte after the
// mouse was changed, and a damaged one is refused by name with the mouse untouched.
TEST(CliProgram, ProfileCommandsInOrder) {
  Folder folder;
  folder.Write("mouse.bin", Fixture());
  const std::vector<ProgramCase> cases = {
      {{"profile", "list"}, ExitCode::Ok, "No profiles in"},
      {{"profile", "save", "Game"}, ExitCode::Ok, "Saved what the mouse holds as the profile \"Game\"."},
      {{"set", "rate", "500"}, ExitCode::Ok, "Written and verified."},
      {{"profile", "save", "Fast"}, ExitCode::Ok, "\"Fast\""},
      {{"profile", "save", "a/b"}, ExitCode::Usage, "may not hold any of"},
      {{"profile", "apply", "Game"}, ExitCode::Ok, "The mouse now holds the profile \"Game\"."},
      {{"profile", "apply", "Game"}, ExitCode::Ok, "already; nothing was written."},
      {{"profile", "bind", "Fast", "game.exe"}, ExitCode::Ok, "game.exe now chooses the profile \"Fast\"."},
      {{"profile", "bind", "None", "game.exe"}, ExitCode::File, "\"None\" does not exist."},
      {{"profile", "list"}, ExitCode::Ok, "Fast: game.exe\nGame\n"},
      {{"profile", "unbind", "Game", "game.exe"}, ExitCode::Usage, "game.exe is not bound to the profile \"Game\"."},
      {{"profile", "unbind", "Fast", "game.exe"}, ExitCode::Ok, "no longer chooses"},
      {{"profile", "export", "Fast", "@shared.qvprofile"}, ExitCode::Ok, "Exported the profile \"Fast\""},
      {{"profile", "import", "@shared.qvprofile"}, ExitCode::Ok, "as the profile \"shared\"."},
      {{"profile", "import", "@shared.qvprofile", "Fast"}, ExitCode::File, "\"Fast\" already exists."},
      {{"profile", "import", "@mouse.bin"}, ExitCode::File, "is not a sound profile"},
      {{"profile", "delete", "shared"}, ExitCode::Ok, "Deleted the profile \"shared\"."},
      {{"profile", "delete", "shared"}, ExitCode::File, "\"shared\" does not exist."},
      {{"profile", "apply", "Damaged"}, ExitCode::File, "the profile \"Damaged\" is damaged (line 3: reportRateHz must be"},
      {{"profile"}, ExitCode::Usage, "profile needs an action: list, save"},
      {{"profile", "bind", "Fast"}, ExitCode::Usage, "profile bind needs a profile name and a program"},
      {{"profile", "delete", "a", "b"}, ExitCode::Usage, "unexpected \"b\" after \"profile delete a\""},
      {{"dump", "--folder", "x"}, ExitCode::Usage, "--folder goes only with profile."},
  };
  std::vector<uint8_t> afterApply;
  for (const ProgramCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    if (c.args.size() > 2 && c.args[2] == "Damaged") {
      std::ifstream in(folder.Name("@Profiles/Fast.qvprofile"));
      std::string text((std::istreambuf_iterator<char>(in)), {});
      text.replace(text.find("reportRateHz = 500"), 18, "reportRateHz = 50");
      folder.Write("Profiles/Damaged.qvprofile", std::vector<uint8_t>(text.begin(), text.end()));
    }
    std::vector<std::string> args = {"--sim", folder.Name("@mouse.bin"), "--folder", folder.Name("@Profiles")};
    if (c.args[0] != "profile") {
      args.erase(args.begin() + 2, args.end());
    }
    for (const std::string& arg : c.args) args.push_back(folder.Name(arg));
    std::ostringstream out, err;
    NoBus platform;
    EXPECT_EQ(RunProgram(args, out, err, platform), ToInt(c.code)) << err.str();
    EXPECT_THAT(c.code == ExitCode::Ok ? out.str() : err.str(), HasSubstr(c.said));
    const auto contents = folder.Contents();
    const std::string memory = contents.at(folder.Name("@mouse.bin"));
    if (c.said.find("now holds") != std::string::npos) {
      afterApply.assign(memory.begin(), memory.end());
      const SimMemory saved = Fixture();
      EXPECT_EQ(afterApply, std::vector<uint8_t>(saved.begin(), saved.end()));
    }
    if (!afterApply.empty()) {
      EXPECT_EQ(std::vector<uint8_t>(memory.begin(), memory.end()), afterApply);
    }
  }
}

// Every command of the README's command-line block, in its order, succeeds on the
// simulated mouse (with a config.bin for apply).
TEST(CliCommands, TheReadmeExamplesWork) {
  std::ifstream readme(std::filesystem::path(QV_SOURCE_DIR) / "README.md");
  const std::string text((std::istreambuf_iterator<char>(readme)), {});
  const size_t block = text.find("```sh\nqv318ctl list");
  ASSERT_NE(block, std::string::npos);
  std::istringstream lines(text.substr(block + 6, text.find("```", block + 6) - block - 6));
  SimMouse mouse;
  MemoryFiles files;
  const auto content = ConfigFileContent(1, DefaultRecord());
  files.files[u"config.bin"].assign(content.begin(), content.end());
  int run = 0;
  for (std::string line; std::getline(lines, line); ++run) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::vector<std::string> args(std::istream_iterator<std::string>(words), {});
    ASSERT_EQ(args.at(0), "qv318ctl");
    args.erase(args.begin());
    const Result result = RunOn(mouse, files, args);
    EXPECT_EQ(result.code, ExitCode::Ok) << line << ": " << result.error;
  }
  EXPECT_GE(run, 12);
}

}  // namespace
}  // namespace qv::cli
