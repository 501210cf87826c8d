#include "device/device_events.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "device/protocol.h"
#include "device/sim_mouse.h"
#include "device_fakes.h"
#include "two_mice_bus.h"

namespace qv {
namespace {

using Notice = std::pair<uint32_t, int64_t>;
using ::testing::ElementsAre;

// The simulated mouse's data channel, as the system names it in a notification (in upper
// case, as Wine does) and a collection of it that carries no channel.
constexpr std::u16string_view kDataInterface =
    u"\\\\?\\HID#VID_04D9&PID_A09E&MI_00#7&2A4B6C8D&0&0000#{4D1E55B2-F16F-11CF-88CB-001111000030}";
constexpr std::u16string_view kOtherUnitInterface = u"\\\\?\\HID#Vid_04d9&Pid_a09e&MI_01#9&1&0&0000#x";

const DeviceChange kArrival{kDeviceArrival, kDeviceTypeInterface, kDataInterface};
const DeviceChange kRemoval{kDeviceRemoveComplete, kDeviceTypeInterface, kDataInterface};
const DeviceChange kOtherArrival{kDeviceArrival, kDeviceTypeInterface, kOtherUnitInterface};

struct ScriptedLock : TransferLock {
  LockWait wait = LockWait::Free;
  LockWait Acquire() override { return wait; }
  void Release() override {}
};

class DeviceEventsTest : public ::testing::Test {
 protected:
  DeviceEventsTest() {
    SimMemory memory = DefaultSimMemory();
    memory[kStatusSize + blockset::kDpiSelector] = 2;
    sim.SetMemory(memory);
  }

  // A burst of notifications, then the timer runs out.
  SettleResult Burst(std::initializer_list<DeviceChange> changes) {
    for (const DeviceChange& change : changes) EXPECT_TRUE(watch.Note(change));
    return watch.Settle(context);
  }
  void Connect() {
    ASSERT_EQ(ConnectAtStartup(context), SettleResult::Connected);
    shell.notices.clear();
  }

  SimMouse sim;
  AppState state;
  test::FakeMessageBoxes boxes;
  test::FakePause pause;
  test::FakeShell shell;
  ScriptedLock lock;
  DeviceLink link{sim, state, boxes};
  MouseProtocol protocol{link, state, boxes, pause};
  DeviceContext context{link, protocol, state, shell, lock};
  DeviceWatch watch;
};

TEST_F(DeviceEventsTest, StartUpOpensAndReadsTheMouse) {
  state.image.bytes.fill(0xEE);
  EXPECT_EQ(ConnectAtStartup(context), SettleResult::Connected);
  EXPECT_EQ(state.connected, 1);
  EXPECT_EQ(state.scrambling, 1);
  EXPECT_EQ(state.image.bytes, sim.Memory());
  EXPECT_TRUE(state.imageComplete);
  EXPECT_EQ(state.dpiSelector, 2);
  EXPECT_TRUE(shell.notices.empty());
}

// Unplugged before the open, or during the read: a mouse whose memory was not read whole
// is a missing mouse, with its notice and no channel left open.
TEST_F(DeviceEventsTest, StartUpWithoutTheMouseOrWithItsReadCutShortSaysItIsMissing) {
  for (const size_t unplugAt : {size_t{0}, size_t{5}, size_t{16}}) {
    SCOPED_TRACE(unplugAt);
    sim.Plug();
    sim.Faults() = {};
    sim.Faults().unplugBeforeTransfer = sim.TransferAttempts() + unplugAt;
    shell.notices.clear();
    EXPECT_EQ(ConnectAtStartup(context), SettleResult::Lost);
    EXPECT_EQ(state.connected, 0);
    EXPECT_FALSE(state.imageComplete);
    EXPECT_THAT(shell.notices, ElementsAre(Notice{15, 0}));
    EXPECT_EQ(shell.hides, 0);
    EXPECT_EQ(sim.OpenHandleCount(), 0u);
  }
}

TEST_F(DeviceEventsTest, OnlyArrivalsAndRemovalsOfTheMousesInterfacesAreNoted) {
  const DeviceChange foreign[] = {
      {kDeviceArrival, kDeviceTypeInterface, u"\\\\?\\HID#VID_045E&PID_0040#6&1f2e"},
      {kDeviceArrival, kDeviceTypeInterface, u"\\\\?\\hid#vid_04d9&pid_a09e#lower"},  // neither spelling
      {kDeviceArrival, 2, kDataInterface},                                          // a volume
      {kDeviceRemoveComplete, 0, kDataInterface},
      {0x8001, kDeviceTypeInterface, kDataInterface},  // query remove
      {0x0007, kDeviceTypeInterface, kDataInterface},  // nodes changed
  };
  for (const DeviceChange& change : foreign) EXPECT_FALSE(watch.Note(change));
  EXPECT_TRUE(watch.Note(kArrival));
  EXPECT_TRUE(watch.Note(kRemoval));
  EXPECT_TRUE(watch.Note(kOtherArrival));
  EXPECT_EQ(sim.OpenHandleCount(), 0u) << "nothing is done before the burst is over";
}

// However many notifications a plug brings, one settle opens and reads the mouse once.
TEST_F(DeviceEventsTest, ABurstOfAnyLengthIsSettledByOneReadOfWhatIsPresent) {
  for (const int length : {1, 3, 4, 7}) {
    SCOPED_TRACE(length);
    state = AppState{};
    shell = test::FakeShell{};
    link.CloseChannels();
    for (int i = 0; i < length; ++i) watch.Note(i % 2 ? kOtherArrival : kArrival);
    const size_t before = sim.TransferAttempts();
    EXPECT_EQ(watch.Settle(context), SettleResult::Connected);
    EXPECT_EQ(sim.TransferAttempts() - before, 17u);
    EXPECT_EQ(state.image.bytes, sim.Memory());
    EXPECT_EQ(shell.settingsShown, 1);
    EXPECT_THAT(shell.notices, ElementsAre(Notice{14, 0}));
    EXPECT_EQ(sim.OpenHandleCount(), 2u);
  }
}

TEST_F(DeviceEventsTest, WhatASettleDoesDependsOnTheMouseFoundAndTheOneOpen) {
  struct Case {
    const char* what;
    bool connectedBefore;
    bool plugged;
    std::initializer_list<DeviceChange> burst;
    SettleResult result;
    size_t transfers;
    std::vector<Notice> notices;
    int hides;
  };
  const Case cases[] = {
      {"another unit came and went: the mouse open stays, unread", true, true, {kOtherArrival}, SettleResult::Unchanged,
       0, {}, 0},
      {"the mouse open was pulled and plugged again: read", true, true, {kRemoval, kArrival}, SettleResult::Connected, 17,
       {{14, 0}}, 0},
      {"the mouse open is gone", true, false, {kRemoval}, SettleResult::Lost, 0, {{15, 0}}, 1},
      {"no mouse before, none now: a plug under way", false, false, {kOtherArrival}, SettleResult::Absent, 0, {}, 0},
      {"no mouse before, one now", false, true, {kOtherArrival}, SettleResult::Connected, 17, {{14, 0}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim.Plug();
    state = AppState{};
    link.CloseChannels();
    if (c.connectedBefore) Connect();
    shell = test::FakeShell{};
    if (!c.plugged) sim.Unplug();
    const size_t before = sim.TransferAttempts();
    EXPECT_EQ(Burst(c.burst), c.result);
    EXPECT_EQ(sim.TransferAttempts() - before, c.transfers);
    EXPECT_EQ(shell.notices, c.notices);
    EXPECT_EQ(shell.hides, c.hides);
    EXPECT_EQ(state.connected, c.plugged ? 1 : 0);
    EXPECT_EQ(state.imageComplete, c.plugged);  // whatever is open has been read
  }
}

TEST_F(DeviceEventsTest, AnArrivalWhoseReadIsCutShortIsAMissingMouse) {
  sim.Faults().unplugBeforeTransfer = sim.TransferAttempts() + 9;
  EXPECT_EQ(Burst({kArrival}), SettleResult::Lost);
  EXPECT_THAT(shell.notices, ElementsAre(Notice{15, 0}));
  EXPECT_EQ(shell.hides, 1);
  EXPECT_EQ(state.connected, 0);
  EXPECT_FALSE(state.imageComplete);
  EXPECT_EQ(shell.settingsShown, 0) << "a failed read shows nothing of the mouse";
  EXPECT_EQ(sim.OpenHandleCount(), 0u);
}

TEST_F(DeviceEventsTest, AMouseAnotherProgramHeldIsReadAgainAndABusyOneLater) {
  Connect();
  lock.wait = LockWait::Busy;
  EXPECT_EQ(Burst({kOtherArrival}), SettleResult::Busy);
  EXPECT_EQ(shell.settingsShown, 0);
  lock.wait = LockWait::AfterWait;  // it may have written meanwhile
  EXPECT_EQ(watch.Settle(context), SettleResult::Connected);
  EXPECT_EQ(shell.settingsShown, 1);
}

// A message box of the start-up read runs its own message loop, where the settle timer
// may run out: the channels under the read must not be re-opened there.
struct BoxWithMessageLoop : MessageBoxes {
  std::function<void()> whileShown;
  void Show(std::u16string_view, std::u16string_view) override {
    if (auto loop = std::exchange(whileShown, nullptr)) loop();
  }
};

// The program's side of the link over any bus, as the window wires it.
struct WatchRig {
  explicit WatchRig(HidBus& bus) : link(bus, state, boxes), protocol(link, state, boxes, pause) {}
  AppState state;
  BoxWithMessageLoop boxes;
  test::FakePause pause;
  test::FakeShell shell;
  NoTransferLock lock;
  DeviceLink link;
  MouseProtocol protocol;
  const DeviceContext context{link, protocol, state, shell, lock};
  DeviceWatch watch;
};

TEST(DeviceWatchTest, ASettleDuringAnOperationWaitsUntilItEnds) {
  SimMouse sim;
  WatchRig rig(sim);
  auto& [state, boxes, pause, shell, lock, link, protocol, context, watch] = rig;
  sim.Faults().wrongSignature = true;  // the start-up read shows its message box
  SettleResult whileShown = SettleResult::Unchanged;
  boxes.whileShown = [&] {
    watch.Note(kArrival);
    whileShown = watch.Settle(context);
  };
  const bool due = watch.Run([&] { ConnectAtStartup(context); });
  EXPECT_EQ(whileShown, SettleResult::Deferred);
  EXPECT_TRUE(due);
  EXPECT_FALSE(watch.Busy());
  sim.Faults() = {};
  EXPECT_EQ(watch.Settle(context), SettleResult::Connected);
}

// Units 1 and 2 with different memories; the program uses the first; it is pulled. The
// second is read before anything else, and the image is its memory, not the first's.
TEST(DeviceWatchTest, WhenTheMouseOpenIsPulledTheOtherUnitIsReadBeforeAnything) {
  test::TwoMiceBus bus;
  using test::kSimCommand;
  using test::kSimData;
  bus.order = {{0, kSimData}, {0, kSimCommand}, {1, kSimData}, {1, kSimCommand}};
  SimMemory second = DefaultSimMemory();
  second[ConfigImage::kStatusRate] = 8;
  second[kStatusSize + 70] ^= 0x5A;
  bus.mice[1].SetMemory(second);
  WatchRig rig(bus);
  auto& [state, boxes, pause, shell, lock, link, protocol, context, watch] = rig;
  ASSERT_EQ(ConnectAtStartup(context), SettleResult::Connected);
  ASSERT_EQ(state.image.bytes, bus.mice[0].Memory());
  const MouseIdentity first = link.Identity();

  bus.order = {{1, kSimData}, {1, kSimCommand}};  // the first unit is gone
  watch.Note({kDeviceRemoveComplete, kDeviceTypeInterface, first.data});
  EXPECT_EQ(watch.Settle(context), SettleResult::Connected);
  EXPECT_NE(link.Identity(), first);
  EXPECT_EQ(state.openMouse, link.Identity().device) << "the mouse open is named";
  EXPECT_NE(state.openMouse, first.device);
  EXPECT_EQ(state.image.bytes, second);
  EXPECT_TRUE(state.imageComplete);
  EXPECT_EQ(shell.settingsShown, 1);
}

}  // namespace
}  // namespace qv
