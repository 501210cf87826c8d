#include "device/sim_mouse.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "device/device_link.h"
#include "device/protocol.h"
#include "device/sim_log.h"
#include "device_fakes.h"

namespace qv {
namespace {

using ::testing::ElementsAre;

struct FakeStore : SimMouseStore {
  std::optional<std::vector<uint8_t>> stored;
  std::vector<std::vector<uint8_t>> saves;
  std::vector<std::string> log;
  std::vector<size_t> logLinesAtSave;
  std::optional<std::vector<uint8_t>> LoadMemory() override { return stored; }
  void SaveMemory(std::span<const uint8_t> memory) override {
    saves.emplace_back(memory.begin(), memory.end());
    logLinesAtSave.push_back(log.size());
  }
  void AppendLog(std::string_view line) override { log.emplace_back(line); }
};

struct FakeClock : MillisecondClock {
  uint64_t now = 0;
  uint64_t MillisecondsSinceStart() override { return now += 7; }
};

TEST(SimLog, LineIsTimeDirectionChannelAndLowerCaseHex) {
  const uint8_t wire[] = {0x01, 0xAB, 0x0F, 0x00};
  EXPECT_EQ(FormatSimLogLine(1234, SimDirection::Set, SimChannel::Command, wire), "1234 set cmd 01 ab 0f 00");
  EXPECT_EQ(FormatSimLogLine(0, SimDirection::Get, SimChannel::Data, std::span<const uint8_t>(wire, 1)),
            "0 get data 01");
}

class SimStoreTest : public ::testing::Test {
 protected:
  SimStoreTest() {
    auto ownedStore = std::make_unique<FakeStore>();
    auto ownedClock = std::make_unique<FakeClock>();
    store = ownedStore.get();
    clock = ownedClock.get();
    sim = std::make_unique<SimMouse>(std::move(ownedStore), std::move(ownedClock));
  }
  void Connect() {
    link = std::make_unique<DeviceLink>(*sim, state, boxes);
    protocol = std::make_unique<MouseProtocol>(*link, state, boxes, pause);
    ASSERT_TRUE(link->OpenDevice());
    state.scrambling = 1;
  }

  FakeStore* store;
  FakeClock* clock;
  std::unique_ptr<SimMouse> sim;
  AppState state;
  test::FakeMessageBoxes boxes;
  test::FakePause pause;
  std::unique_ptr<DeviceLink> link;
  std::unique_ptr<MouseProtocol> protocol;
};

TEST_F(SimStoreTest, LogsEveryTransferAsItCrossedTheWire) {
  Connect();
  ConfigImage image;
  ASSERT_TRUE(protocol->GetDPIStage(image));
  const std::vector<SimTransfer>& transfers = sim->Transfers();
  ASSERT_EQ(store->log.size(), 3u);
  ASSERT_EQ(transfers.size(), 2u);
  EXPECT_EQ(store->log[0], FormatSimLogLine(7, SimDirection::Set, SimChannel::Command, transfers[0].wire));
  EXPECT_EQ(store->log[1], "14 ask cmd 01");
  EXPECT_EQ(store->log[2], FormatSimLogLine(21, SimDirection::Get, SimChannel::Command, transfers[1].wire));
  const std::regex line(R"(\d+ (set|get) (cmd|data)( [0-9a-f]{2}){8})");
  EXPECT_TRUE(std::regex_match(store->log[0], line)) << store->log[0];
  EXPECT_NE(store->log[0].find(" set cmd 01 "), std::string::npos);
  ASSERT_TRUE(protocol->ReadOperation(image));
  EXPECT_TRUE(std::regex_match(store->log.back(), std::regex(R"(\d+ get data 00( [0-9a-f]{2}){64})")));
}

// A read that asks the wrong channel for its report id must fail here as on a real device.
TEST_F(SimStoreTest, EachChannelServesOnlyItsOwnReportId) {
  Connect();
  ConfigImage image;
  ASSERT_TRUE(protocol->ReadOperation(image));  // block 5 stays announced
  std::vector<uint8_t> command(link->CommandLength()), data(link->DataLength());
  const auto get = [&](std::vector<uint8_t>& r, uint8_t id, HidHandle h) { r.assign(r.size(), 0); r[0] = id; return sim->GetFeature(h, r); };
  const auto set = [&](std::vector<uint8_t>& r, uint8_t id, HidHandle h) { r.assign(r.size(), 0); r[0] = id; return sim->SetFeature(h, r); };
  EXPECT_TRUE(get(data, 0, link->DataChannel()));
  EXPECT_FALSE(get(data, 1, link->DataChannel()));
  EXPECT_EQ(store->log.back(), FormatSimLogLine(clock->now, SimDirection::Ask, SimChannel::Data, std::vector<uint8_t>{1}));
  EXPECT_TRUE(get(command, 1, link->CommandChannel()));
  EXPECT_FALSE(get(command, 0, link->CommandChannel()));
  EXPECT_FALSE(set(command, 0, link->CommandChannel()));
  EXPECT_FALSE(set(data, 1, link->DataChannel()));
  EXPECT_EQ(sim->Memory(), image.bytes);  // the refused block wrote nothing
}

TEST_F(SimStoreTest, MemoryComesFromTheStoreOnlyWhenItIsExactlyOneMemoryLong) {
  SimMemory stored;
  for (size_t i = 0; i < stored.size(); ++i) stored[i] = static_cast<uint8_t>(255 - i);
  store->stored = std::vector<uint8_t>(stored.begin(), stored.end());
  Connect();
  EXPECT_EQ(sim->Memory(), stored);

  for (size_t length : {size_t{0}, kImageSize - 1, kImageSize + 1}) {
    link->CloseChannels();
    store->stored = std::vector<uint8_t>(length, 0x11);
    ASSERT_TRUE(link->OpenDevice());
    EXPECT_EQ(sim->Memory(), DefaultSimMemory()) << "length " << length;
  }
  EXPECT_TRUE(store->saves.empty());
}

TEST_F(SimStoreTest, AWriteThatChangesTheMemorySavesIt) {
  Connect();
  ConfigImage image;
  image.bytes = sim->Memory();
  ASSERT_EQ(protocol->WriteOperation(image), WriteResult::Complete);
  EXPECT_EQ(store->saves.size(), 1u) << "the default memory, which no file held, is saved at the first write";
  store->saves.clear();
  ASSERT_EQ(protocol->WriteOperation(image), WriteResult::Complete);
  EXPECT_TRUE(store->saves.empty());  // nothing changed

  image.bytes[0] = 8;
  image.Block(4)[10] ^= 0xFF;
  ASSERT_EQ(protocol->WriteOperation(image), WriteResult::Complete);
  ASSERT_EQ(store->saves.size(), 2u);  // the status write and block 4
  EXPECT_EQ(store->saves.back(), std::vector<uint8_t>(image.bytes.begin(), image.bytes.end()));
  // Saved before its transfer is logged, so that a reader of the log finds the memory final.
  EXPECT_NE(store->log[store->logLinesAtSave.back()].find(" set data "), std::string::npos);
}

TEST(SimMouse, DefaultMemoryLooksLikeAFreshMouse) {
  const SimMemory memory = DefaultSimMemory();
  const uint8_t* set = memory.data() + kStatusSize;
  EXPECT_EQ(memory[0], 1);     // 1000 Hz
  EXPECT_EQ(set[193], 0);      // DPI table 0
  EXPECT_EQ(set[198], 4);      // four enabled stages
  EXPECT_THAT(std::vector<uint8_t>(set + 216, set + 220), ElementsAre(0x02, 0x04, 0x08, 0x26));
  EXPECT_THAT(std::vector<uint8_t>(set + 128, set + 134), ElementsAre(0xF0, 0x00, 0xF1, 0x00, 0xF2, 0x00));
  EXPECT_EQ(set[224], 0xB5);   // consumer table, little-endian
  EXPECT_EQ(set[225], 0x00);
}

TEST(SimMouse, AForeignCollectionIsProbedAndClosedAndNothingLeaks) {
  SimMouse sim;
  sim.SetForeignCollection(true);
  AppState state;
  test::FakeMessageBoxes boxes;
  {
    DeviceLink link(sim, state, boxes);
    ASSERT_TRUE(link.OpenDevice());
    EXPECT_EQ(sim.OpenHandleCount(), 2u);
    EXPECT_EQ(sim.LivePreparsedCount(), 0u);
    EXPECT_FALSE(sim.Enumerating());
    sim.Unplug();
    EXPECT_FALSE(link.OpenDevice());
    EXPECT_EQ(sim.OpenHandleCount(), 0u);
    sim.Plug();
    ASSERT_TRUE(link.OpenDevice());
  }
  EXPECT_EQ(sim.OpenHandleCount(), 0u);  // the link closes its channels when it goes
}

}  // namespace
}  // namespace qv
