// One fault at each feature transfer of the start-up read and of an Apply, against the
// simulated mouse through the real link and protocol. Every case checks the messages shown,
// what reached the mouse's memory (only whole blocks of a complete image) and that the read
// after the mouse returns gets the whole configuration.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/apply.h"
#include "config/config_fakes.h"
#include "config/defaults.h"
#include "config/mouse_settings.h"
#include "config/unfinished_write.h"
#include "device/device_events.h"
#include "device/protocol.h"
#include "device/sim_mouse.h"
#include "keyassign/key_codes.h"
#include "model/notice_kinds.h"

namespace qv {
namespace {

constexpr std::u16string_view kMissing = u"no mouse";

enum class Phase { Read, Apply };
enum class Fault { NoAnswer, WrongSignature, UnplugBefore, UnplugAfter };

struct Case {
  Phase phase;
  size_t transfer;  // counted from the start of the phase
  Fault fault;
};

// Transfer positions in the protocol's sequences: a read is the status exchange, then per block
// its announce, acknowledge and data; an Apply is GetDPIStage's exchange, WriteOperation's
// exchange, the status write, then per block announce, acknowledge and data.
constexpr size_t kReadTransfers = 17;
constexpr size_t kApplyTransfers = 20;
constexpr size_t kReadStatusAnswer = 1;
constexpr size_t kStageAnswer = 1;
constexpr size_t kWriteStatusAnswer = 3;
constexpr size_t kStatusWrite = 4;
size_t ReadBlockFirst(size_t block) { return 2 + 3 * (block - 1); }  // announce, ack, data
size_t WriteAnnounce(size_t block) { return 5 + 3 * (block - 1); }
size_t WriteData(size_t block) { return 7 + 3 * (block - 1); }

// Which transfers the case's fault spoils.
struct Oracle {
  Case c;
  bool Fails(size_t i) const {
    switch (c.fault) {
      case Fault::NoAnswer: return i == c.transfer;
      case Fault::WrongSignature: return false;
      case Fault::UnplugBefore: return i >= c.transfer;
      case Fault::UnplugAfter: return i > c.transfer;
    }
    return false;
  }
  bool Broken(size_t i) const { return Fails(i) || (c.fault == Fault::WrongSignature && i == c.transfer); }
  bool Unplugged() const { return c.fault == Fault::UnplugBefore || c.fault == Fault::UnplugAfter; }
};

struct NoPause final : Pause {
  void Sleep(uint32_t) override {}
};

// The window's part: the notices it is asked for, and the settings a read brings taken as
// the window takes them.
struct Shell final : ShellActions {
  explicit Shell(AppState& s) : state(s) {}
  void SendNotice(uint32_t kind, int64_t) override { notices.push_back(kind); }
  void HideMainWindow() override {}
  uint32_t ShowMouseSettings() override { return NoticeOfTaken(TakeMouseSettings(state, names)); }
  AppState& state;
  KeyNames names;
  std::vector<uint32_t> notices;
};

UiRecord EditedRecord() {
  UiRecord record = DefaultRecord();
  record[uirec::kReportRate] = kRate250Hz;
  record.Key(uirec::kFunctionType, KeyMode::B, 4) = static_cast<uint8_t>(KeyFunctionType::Multimedia);
  record.Key(uirec::kMediaIndex, KeyMode::B, 4) = 3;
  return record;
}

// The program and the mouse, wired as the application wires them.
struct Rig {
  Rig() {
    local.paths = DeriveLocalPaths(u"C:\\Mouse\\QV318_Driver.exe");
    local.settings.section = u"Setting-EN";
    files.files[local.paths.configFile] = std::vector<uint8_t>(kConfigFileSize, 0);
    protocol.SetMissingMouseText(std::u16string(kMissing));
  }
  DeviceContext Context() { return {link, protocol, state, shell, lock}; }
  void Apply() {
    state.record = EditedRecord();
    PressApplyAgain();
  }
  void PressApplyAgain() { PressApply(state, local, {protocol, files, profile, messages, kMissing, lock, u"busy"}); }
  // The mouse is plugged again: its interfaces arrive, and once they have, the watch settles.
  SettleResult Return() {
    sim.Faults() = {};
    sim.Plug();
    messages.shown.clear();
    const DeviceChange arrival{kDeviceArrival, kDeviceTypeInterface,
                               u"\\\\?\\HID#VID_04D9&PID_A09E&MI_00#7&2a4b6c8d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}"};
    for (int i = 0; i < 4; ++i) watch.Note(arrival);
    return watch.Settle(Context());
  }
  bool Marked() const { return files.files.count(UnfinishedWriteFile(local.paths)) > 0; }
  void Inject(const Case& c) {
    const size_t at = sim.TransferAttempts() + c.transfer;
    SimFaults& f = sim.Faults();
    switch (c.fault) {
      case Fault::NoAnswer: f.noAnswerAtTransfer = at; break;
      case Fault::WrongSignature: f.wrongSignatureAtTransfer = at; break;
      case Fault::UnplugBefore: f.unplugBeforeTransfer = at; break;
      case Fault::UnplugAfter: f.unplugAfterTransfer = at; break;
    }
  }
  std::vector<std::u16string> Captions() const {
    std::vector<std::u16string> captions;
    for (const fakes::Message& m : messages.shown) {
      EXPECT_EQ(m.text, kMissing);
      captions.push_back(m.caption);
    }
    return captions;
  }
  std::span<const uint8_t> MouseBlock(size_t block) const {
    return std::span<const uint8_t>(sim.Memory()).subspan(kStatusSize + kBlockSize * (block - 1), kBlockSize);
  }

  SimMouse sim;
  AppState state;
  fakes::RecordingMessages messages;
  NoPause pause;
  Shell shell{state};
  NoTransferLock lock;
  DeviceWatch watch;
  DeviceLink link{sim, state, messages};
  MouseProtocol protocol{link, state, messages, pause};
  fakes::FakeFiles files;
  fakes::FakeProfile profile;
  LocalState local;
};

std::vector<uint8_t> Bytes(std::span<const uint8_t> s) { return {s.begin(), s.end()}; }

// A clean start-up read and Apply: the transfers each phase makes and the memory after both.
struct CleanRun {
  std::vector<SimTransfer> read, apply;
  SimMemory applied;
};

const CleanRun& Clean() {
  static const CleanRun run = [] {
    Rig rig;
    ConnectAtStartup(rig.Context());
    const auto& t = rig.sim.Transfers();
    CleanRun clean{{t.begin(), t.end()}, {}, {}};
    rig.Apply();
    clean.apply.assign(t.begin() + static_cast<ptrdiff_t>(clean.read.size()), t.end());
    clean.applied = rig.sim.Memory();
    return clean;
  }();
  return run;
}

// Every transfer of a clean run with each fault; a wrong signature only where the mouse
// sends one back, on the command channel's answers.
std::vector<Case> AllCases() {
  std::vector<Case> cases;
  for (Phase phase : {Phase::Read, Phase::Apply}) {
    const std::vector<SimTransfer>& transfers = phase == Phase::Read ? Clean().read : Clean().apply;
    for (size_t i = 0; i < transfers.size(); ++i) {
      for (Fault fault : {Fault::NoAnswer, Fault::WrongSignature, Fault::UnplugBefore, Fault::UnplugAfter}) {
        const bool answer = transfers[i].direction == SimDirection::Get && transfers[i].channel == SimChannel::Command;
        if (fault != Fault::WrongSignature || answer) cases.push_back({phase, i, fault});
      }
    }
  }
  return cases;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  static const char* const kFaults[] = {"NoAnswer", "WrongSignature", "UnplugBefore", "UnplugAfter"};
  return std::string(info.param.phase == Phase::Read ? "Read" : "Apply") + std::to_string(info.param.transfer) +
         kFaults[static_cast<int>(info.param.fault)];
}

using Captions = std::vector<std::u16string>;

TEST(TransferFaults, TheCasesCountTheTransfersOfACleanRun) {
  EXPECT_EQ(Clean().read.size(), kReadTransfers);
  EXPECT_EQ(Clean().apply.size(), kApplyTransfers);
}

class TransferFault : public ::testing::TestWithParam<Case> {};

TEST_P(TransferFault, ReportsItKeepsTheMouseWholeAndRecovers) {
  const Case c = GetParam();
  const Oracle fault{c};
  Rig rig;
  const SimMemory before = rig.sim.Memory();
  if (c.phase == Phase::Read) {
    rig.Inject(c);
    const SettleResult started = ConnectAtStartup(rig.Context());
    EXPECT_EQ(rig.Captions(), fault.Broken(kReadStatusAnswer) ? Captions{u"ReadOperation"} : Captions{});
    bool complete = !fault.Broken(kReadStatusAnswer) && !fault.Fails(0);
    for (size_t block = 1; block <= kBlockCount; ++block) {
      const size_t first = ReadBlockFirst(block);
      const bool read = !fault.Broken(kReadStatusAnswer) && !fault.Fails(first) && !fault.Fails(first + 1) &&
                        !fault.Fails(first + 2);
      complete = complete && read;
      const auto image = Bytes(rig.state.image.Block(block));
      EXPECT_EQ(image, read ? Bytes(rig.MouseBlock(block)) : std::vector<uint8_t>(kBlockSize, 0)) << "block " << block;
    }
    EXPECT_EQ(rig.state.imageComplete, complete);
    // A read cut short means a missing mouse: Apply then sends nothing and says so.
    EXPECT_EQ(started, complete ? SettleResult::Connected : SettleResult::Lost);
    EXPECT_EQ(rig.state.connected, complete ? 1 : 0);
    EXPECT_EQ(rig.shell.notices, complete ? std::vector<uint32_t>{} : std::vector<uint32_t>{kNoticeMouseMissing});
    rig.messages.shown.clear();
    rig.Apply();
    const Captions gone = complete ? Captions{u"GetDPIStage", u"WriteOperation"} : Captions{u"WriteOperation"};
    EXPECT_EQ(rig.Captions(), fault.Unplugged() || !complete ? gone : Captions{});
    EXPECT_EQ(rig.sim.Memory(), fault.Unplugged() || !complete ? before : Clean().applied);
  } else {
    ConnectAtStartup(rig.Context());
    ASSERT_TRUE(rig.state.imageComplete);
    rig.messages.shown.clear();
    rig.Inject(c);
    rig.Apply();
    Captions expected;
    if (fault.Broken(kStageAnswer)) expected.push_back(u"GetDPIStage");
    // Unanswered, the protocol says the mouse is missing; answered but cut short, the Apply does.
    bool writeCut = false;
    for (size_t i = kWriteStatusAnswer - 1; i < kApplyTransfers; ++i) writeCut = writeCut || fault.Fails(i);
    if (fault.Broken(kWriteStatusAnswer) || writeCut) expected.push_back(u"WriteOperation");
    EXPECT_EQ(rig.Captions(), expected);
    const bool writes = !fault.Broken(kWriteStatusAnswer);
    for (size_t block = 1; block <= kBlockCount; ++block) {
      const bool landed = writes && !fault.Fails(WriteAnnounce(block)) && !fault.Fails(WriteData(block));
      const SimMemory& expectedMemory = landed ? Clean().applied : before;
      EXPECT_EQ(Bytes(rig.MouseBlock(block)),
                Bytes(std::span<const uint8_t>(expectedMemory).subspan(kStatusSize + kBlockSize * (block - 1), kBlockSize)))
          << "block " << block;
    }
    const SimMemory& status = writes && !fault.Fails(kStatusWrite) ? Clean().applied : before;
    EXPECT_TRUE(std::equal(status.begin(), status.begin() + kStatusSize, rig.sim.Memory().begin()));
    EXPECT_EQ(rig.files.files[rig.local.paths.configFile].size(), kConfigFileSize);  // saved all the same
    EXPECT_EQ(rig.Marked(), writes && writeCut);
  }
  const bool cut = rig.state.writeUnfinished;
  rig.shell.notices.clear();
  EXPECT_EQ(rig.Return(), SettleResult::Connected);
  EXPECT_TRUE(rig.messages.shown.empty());
  EXPECT_TRUE(rig.state.imageComplete);
  EXPECT_EQ(rig.state.image.bytes, rig.sim.Memory());
  // The page shows what the write was to leave, the user hears that it did not finish, and
  // one Apply finishes it.
  if (cut) {
    EXPECT_EQ(rig.shell.notices, std::vector<uint32_t>{kNoticeWriteUnfinished});
  }
  EXPECT_EQ(rig.state.record, EditedRecord());
  rig.PressApplyAgain();
  EXPECT_EQ(rig.sim.Memory(), Clean().applied);
  EXPECT_FALSE(rig.Marked());
  EXPECT_FALSE(rig.state.writeUnfinished);
}

INSTANTIATE_TEST_SUITE_P(EveryTransfer, TransferFault, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
}  // namespace qv
