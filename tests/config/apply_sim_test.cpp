// Apply against the simulated mouse, through the real protocol and its scrambling.
#include <gtest/gtest.h>

#include "config/apply.h"
#include "config/config_fakes.h"
#include "config/defaults.h"
#include "device/device_link.h"
#include "device/protocol.h"
#include "device/sim_mouse.h"
#include "keyassign/key_codes.h"

namespace qv {
namespace {

struct NoPause : Pause {
  void Sleep(uint32_t) override {}
};

class ApplySimTest : public ::testing::Test {
 protected:
  ApplySimTest() {
    local.paths = DeriveLocalPaths(u"C:\\Mouse\\QV318_Driver.exe");
    files.files[local.paths.configFile] = std::vector<uint8_t>(kConfigFileSize, 0);
    local.settings.section = u"Setting-EN";
  }
  // Start-up: open the mouse and read it.
  bool Connect() {
    if (!link.OpenDevice()) return false;
    state.scrambling = 1;
    state.image.Clear();
    state.imageComplete = protocol.ReadOperation(state.image);
    state.dpiSelector = state.image.DpiSelector();
    return true;
  }
  ApplyServices Services() { return {protocol, files, profile, messages, u"no mouse", lock, u"busy"}; }

  SimMouse sim;
  AppState state;
  fakes::RecordingMessages messages;
  NoPause pause;
  NoTransferLock lock;
  DeviceLink link{sim, state, messages};
  MouseProtocol protocol{link, state, messages, pause};
  fakes::FakeFiles files;
  fakes::FakeProfile profile;
  LocalState local;
};

TEST_F(ApplySimTest, TheMouseMemoryHoldsTheWholeAppliedImage) {
  ASSERT_TRUE(Connect());
  ASSERT_TRUE(state.imageComplete);
  state.record = DefaultRecord();
  state.record[uirec::kReportRate] = kRate250Hz;
  state.record.Key(uirec::kFunctionType, KeyMode::B, 4) = static_cast<uint8_t>(KeyFunctionType::Multimedia);
  state.record.Key(uirec::kMediaIndex, KeyMode::B, 4) = 3;
  ASSERT_TRUE(PressApply(state, local, Services()).applied);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(sim.Memory(), state.image.bytes);
  EXPECT_EQ(sim.Memory()[0], kRate250Hz);
  EXPECT_EQ(sim.Memory()[kStatusSize + 0xA8], 0x03);
  const SimMemory fresh = DefaultSimMemory();
  EXPECT_TRUE(std::equal(fresh.begin() + kStatusSize, fresh.begin() + kStatusSize + 128, sim.Memory().begin() + kStatusSize));
}

// Block 1 arrives, then the mouse is gone: blocks 2..5 of the image are zeros that must
// never be written over the mouse's own data.
TEST_F(ApplySimTest, AReadCutShortIsRepeatedBeforeApplyWrites) {
  sim.Faults().unplugBeforeTransfer = 6;
  ASSERT_TRUE(Connect());
  ASSERT_FALSE(state.imageComplete);
  sim.Plug();
  messages.shown.clear();
  state.record = DefaultRecord();
  PressApply(state, local, Services());
  EXPECT_TRUE(state.imageComplete);
  const SimMemory fresh = DefaultSimMemory();
  EXPECT_TRUE(std::equal(fresh.begin() + kStatusSize, fresh.begin() + kStatusSize + 128, sim.Memory().begin() + kStatusSize));
  EXPECT_EQ(sim.Memory(), state.image.bytes);
}

TEST_F(ApplySimTest, AMouseStillGoneGetsNothingButTheFilesAreSaved) {
  sim.Faults().unplugBeforeTransfer = 6;
  ASSERT_TRUE(Connect());
  const SimMemory before = sim.Memory();
  PressApply(state, local, Services());
  EXPECT_EQ(sim.Memory(), before);
  EXPECT_EQ(files.writes.size(), 1u);
  EXPECT_EQ(profile.puts.size(), 16u);
}

}  // namespace
}  // namespace qv
