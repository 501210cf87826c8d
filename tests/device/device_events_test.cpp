#include "device/device_events.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "device/protocol.h"
#include "device/sim_mouse.h"
#include "device_fakes.h"

namespace qv {
namespace {

using Notice = std::pair<uint32_t, int64_t>;
using ::testing::ElementsAre;
using ::testing::Each;

constexpr std::u16string_view kMouseInterface =
    u"\\\\?\\HID#VID_04D9&PID_A09E&MI_00#7&2a4b6c8d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr std::u16string_view kMixedCaseInterface = u"\\\\?\\HID#Vid_04d9&Pid_a09e&MI_01#x";

const DeviceChange kArrival{kDeviceArrival, kDeviceTypeInterface, kMouseInterface};
const DeviceChange kRemoval{kDeviceRemoveComplete, kDeviceTypeInterface, kMixedCaseInterface};

class DeviceEventsTest : public ::testing::Test {
 protected:
  DeviceEventsTest() {
    SimMemory memory = DefaultSimMemory();
    memory[kStatusSize + blockset::kDpiSelector] = 2;
    sim.SetMemory(memory);
  }

  DeviceChangeResult Send(const DeviceChange& change) { return HandleDeviceChange(context, change); }
  void SendUncounted(const DeviceChange& change, int times) {
    for (int i = 0; i < times; ++i) ASSERT_EQ(Send(change), DeviceChangeResult::Counted);
  }

  SimMouse sim;
  AppState state;
  test::FakeMessageBoxes boxes;
  test::FakePause pause;
  test::FakeShell shell;
  DeviceLink link{sim, state, boxes};
  MouseProtocol protocol{link, state, boxes, pause};
  DeviceContext context{link, protocol, state, shell};
};

TEST_F(DeviceEventsTest, StartUpOpensAndReadsTheMouse) {
  state.image.bytes.fill(0xEE);
  EXPECT_TRUE(ConnectAtStartup(context));
  EXPECT_EQ(state.connected, 1);
  EXPECT_EQ(state.scrambling, 1);
  EXPECT_EQ(state.image.bytes, sim.Memory());
  EXPECT_TRUE(state.imageComplete);
  EXPECT_EQ(state.dpiSelector, 2);
  EXPECT_TRUE(shell.notices.empty());
}

TEST_F(DeviceEventsTest, StartUpWithoutTheMouseSendsTheMissingNoticeOnly) {
  sim.Unplug();
  EXPECT_FALSE(ConnectAtStartup(context));
  EXPECT_EQ(state.connected, 0);
  EXPECT_EQ(state.scrambling, 0);
  EXPECT_THAT(shell.notices, ElementsAre(Notice{15, 0}));
  EXPECT_EQ(shell.hides, 0);
  EXPECT_EQ(sim.OpenHandleCount(), 0u);
}

TEST_F(DeviceEventsTest, TheFourthArrivalOpensNotifiesAndReads) {
  SendUncounted(kArrival, 3);
  EXPECT_EQ(sim.OpenHandleCount(), 0u);
  EXPECT_EQ(Send(kArrival), DeviceChangeResult::Connected);
  EXPECT_THAT(shell.notices, ElementsAre(Notice{14, 0}));
  EXPECT_EQ(state.connected, 1);
  EXPECT_EQ(state.scrambling, 1);
  EXPECT_EQ(state.image.bytes, sim.Memory());
  EXPECT_TRUE(state.imageComplete);
  EXPECT_EQ(state.dpiSelector, 2);
  EXPECT_EQ(shell.settingsShown, 1);
  EXPECT_EQ(link.ArrivalCounter(), 0);
  EXPECT_EQ(sim.OpenHandleCount(), 2u);
  SendUncounted(kArrival, 3);  // the count starts again
}

TEST_F(DeviceEventsTest, RemovalsContinueTheCountAndReopenWithoutReading) {
  ASSERT_TRUE(ConnectAtStartup(context));
  const size_t transfers = sim.TransferAttempts();
  SendUncounted(kArrival, 2);
  SendUncounted(kRemoval, 1);
  EXPECT_EQ(Send(kRemoval), DeviceChangeResult::Connected);
  EXPECT_EQ(state.connected, 1);
  EXPECT_EQ(sim.TransferAttempts(), transfers);
  EXPECT_TRUE(shell.notices.empty());
  EXPECT_EQ(sim.OpenHandleCount(), 2u);  // the earlier connection was closed
}

TEST_F(DeviceEventsTest, AnActingEventWithoutTheMouseHidesTheWindow) {
  for (const DeviceChange& change : {kArrival, kRemoval}) {
    ASSERT_TRUE(ConnectAtStartup(context));
    sim.Unplug();
    shell.notices.clear();
    shell.hides = 0;
    SendUncounted(change, 3);
    EXPECT_EQ(Send(change), DeviceChangeResult::Disconnected);
    EXPECT_THAT(shell.notices, ElementsAre(Notice{15, 0}));
    EXPECT_EQ(shell.hides, 1);
    EXPECT_EQ(state.connected, 0);
    EXPECT_EQ(sim.OpenHandleCount(), 0u);
    sim.Plug();
  }
}

TEST_F(DeviceEventsTest, ForeignNotificationsAreNeitherCountedNorActedOn) {
  const DeviceChange foreign[] = {
      {kDeviceArrival, kDeviceTypeInterface, u"\\\\?\\HID#VID_045E&PID_0040#6&1f2e"},
      {kDeviceArrival, kDeviceTypeInterface, u"\\\\?\\hid#vid_04d9&pid_a09e#lower"},  // neither spelling
      {kDeviceArrival, 2, kMouseInterface},                                         // a volume
      {kDeviceRemoveComplete, 0, kMouseInterface},
      {0x8001, kDeviceTypeInterface, kMouseInterface},  // query remove
      {0x0007, kDeviceTypeInterface, kMouseInterface},  // nodes changed
  };
  for (int round = 0; round < 4; ++round) {
    for (const DeviceChange& change : foreign) EXPECT_EQ(Send(change), DeviceChangeResult::Ignored);
  }
  EXPECT_EQ(link.ArrivalCounter(), 0);
  EXPECT_EQ(sim.OpenHandleCount(), 0u);
  EXPECT_TRUE(shell.notices.empty());
}

TEST_F(DeviceEventsTest, AnArrivalWhoseReadFailsLeavesAZeroImage) {
  state.image.bytes.fill(0x5A);
  state.dpiSelector = 3;
  state.imageComplete = true;
  sim.Faults().wrongSignature = true;
  SendUncounted(kArrival, 3);
  EXPECT_EQ(Send(kArrival), DeviceChangeResult::Connected);
  EXPECT_THAT(state.image.bytes, Each(0));
  EXPECT_FALSE(state.imageComplete);
  EXPECT_EQ(state.dpiSelector, 0);
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(shell.settingsShown, 0) << "a failed read shows nothing of the mouse";
}

// A message box runs its own message loop: device changes are dispatched while it is up.
struct BoxWithMessageLoop : MessageBoxes {
  std::function<void()> whileShown;
  void Show(std::u16string_view, std::u16string_view) override {
    if (auto loop = std::exchange(whileShown, nullptr)) loop();
  }
};

TEST(DeviceChangeGateTest, ChangesDuringAMessageBoxWaitUntilTheReadEnds) {
  SimMouse sim;
  AppState state;
  BoxWithMessageLoop boxes;
  test::FakePause pause;
  test::FakeShell shell;
  DeviceLink link{sim, state, boxes};
  MouseProtocol protocol{link, state, boxes, pause};
  const DeviceContext context{link, protocol, state, shell};
  DeviceChangeGate gate;

  sim.Faults().wrongSignature = true;  // the start-up read shows its message box
  std::vector<DeviceChangeResult> whileShown;
  size_t handlesWhileShown = 0;
  boxes.whileShown = [&] {
    for (int i = 0; i < 4; ++i) whileShown.push_back(gate.Handle(context, kArrival));
    handlesWhileShown = sim.OpenHandleCount();
  };
  gate.Run(context, [&] { ConnectAtStartup(context); });

  EXPECT_THAT(whileShown, Each(DeviceChangeResult::Deferred));
  EXPECT_EQ(handlesWhileShown, 2u);  // the read's own channels, not re-opened under it
  EXPECT_THAT(shell.notices, ElementsAre(Notice{14, 0}));  // the fourth arrival, afterwards
  EXPECT_EQ(link.ArrivalCounter(), 0);
  EXPECT_FALSE(gate.Busy());
}

}  // namespace
}  // namespace qv
