#include "device/protocol.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/sim_mouse.h"
#include "device_fakes.h"
#include "reference_scramble.h"

namespace qv {
namespace {

using Bytes = std::vector<uint8_t>;
using ::testing::ElementsAre;
using ::testing::Each;

constexpr uint8_t kRate = 2;
constexpr uint8_t kStage = 3;

Bytes Command(uint8_t command, uint8_t first = 0, uint8_t second = 0) {
  return {0x01, 0xAA, 0xCC, 0xEE, 0xDD, command, first, second};
}

Bytes BlockOf(const SimMemory& memory, size_t n) {
  Bytes report{0x00};
  report.insert(report.end(), memory.begin() + 2 + 64 * (n - 1), memory.begin() + 2 + 64 * n);
  return report;
}

SimMemory Pattern(uint8_t rate, uint8_t stage, uint8_t seed) {
  SimMemory memory;
  for (size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<uint8_t>(i * 7 + seed);
  memory[0] = rate;
  memory[1] = stage;
  return memory;
}

struct Expected {
  SimDirection direction;
  SimChannel channel;
  Bytes plain;
};

class ProtocolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim.SetMemory(memory);
    ASSERT_TRUE(link.OpenDevice());
    state.scrambling = 1;
  }

  // Every transfer in order, as the mouse understood it, and its wire bytes checked
  // against the bit model of the scrambling.
  void ExpectTransfers(const std::vector<Expected>& expected, bool scrambled = true) {
    const std::vector<SimTransfer>& seen = sim.Transfers();
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i) {
      SCOPED_TRACE("transfer " + std::to_string(i));
      EXPECT_EQ(seen[i].direction, expected[i].direction);
      EXPECT_EQ(seen[i].channel, expected[i].channel);
      EXPECT_EQ(seen[i].plain, expected[i].plain);
      const size_t first = seen[i].channel == SimChannel::Command ? 0 : 1;
      EXPECT_EQ(seen[i].wire, scrambled ? test::ReferenceScramble(seen[i].plain, first) : seen[i].plain);
    }
  }

  std::vector<Expected> ReadSequence() const {
    std::vector<Expected> e{{SimDirection::Set, SimChannel::Command, Command(0x80)},
                            {SimDirection::Get, SimChannel::Command, Command(0x80, kRate, kStage)}};
    for (uint8_t n = 1; n <= 5; ++n) {
      e.push_back({SimDirection::Set, SimChannel::Command, Command(static_cast<uint8_t>(0x80 | n))});
      e.push_back({SimDirection::Get, SimChannel::Command, Command(static_cast<uint8_t>(0x80 | n), kRate, kStage)});
      e.push_back({SimDirection::Get, SimChannel::Data, BlockOf(memory, n)});
    }
    return e;
  }

  void ExpectMissingMouseMessage(std::u16string_view caption) {
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, u"The system did not detect the gaming mouse!");
    EXPECT_EQ(boxes.shown[0].caption, caption);
  }

  ProtocolTest() { protocol.SetMissingMouseText(u"The system did not detect the gaming mouse!"); }

  SimMemory memory = Pattern(kRate, kStage, 5);
  SimMouse sim;
  AppState state;
  test::FakeMessageBoxes boxes;
  test::FakePause pause;
  DeviceLink link{sim, state, boxes};
  MouseProtocol protocol{link, state, boxes, pause};
};

TEST_F(ProtocolTest, ReadOperationReadsStatusAndFiveBlocksInOrder) {
  ConfigImage image;
  EXPECT_TRUE(protocol.ReadOperation(image));
  ExpectTransfers(ReadSequence());
  EXPECT_EQ(image.bytes, memory);
  EXPECT_THAT(pause.pauses, ElementsAre(100, 100, 100, 100, 100));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ProtocolTest, WriteOperationSendsStatusThenFiveAnnouncedBlocks) {
  ConfigImage image;
  image.bytes = Pattern(8, 1, 99);
  EXPECT_EQ(protocol.WriteOperation(image), WriteResult::Complete);
  std::vector<Expected> e{{SimDirection::Set, SimChannel::Command, Command(0x80)},
                          {SimDirection::Get, SimChannel::Command, Command(0x80, kRate, kStage)},
                          {SimDirection::Set, SimChannel::Command, Command(0x00, 8, 1)}};
  for (uint8_t n = 1; n <= 5; ++n) {
    e.push_back({SimDirection::Set, SimChannel::Command, Command(n)});
    e.push_back({SimDirection::Get, SimChannel::Command, Command(n, 8, 1)});
    e.push_back({SimDirection::Set, SimChannel::Data, BlockOf(image.bytes, n)});
  }
  ExpectTransfers(e);
  EXPECT_EQ(sim.Memory(), image.bytes);
  EXPECT_THAT(pause.pauses, ElementsAre(20, 100, 100, 100, 100, 100));
}

TEST_F(ProtocolTest, GetDPIStageFillsOnlyTheStatusBytes) {
  ConfigImage image;
  image.bytes = Pattern(0, 0, 42);
  const ConfigImage before = image;
  EXPECT_TRUE(protocol.GetDPIStage(image));
  ExpectTransfers({{SimDirection::Set, SimChannel::Command, Command(0x80)},
                   {SimDirection::Get, SimChannel::Command, Command(0x80, kRate, kStage)}});
  EXPECT_EQ(image.StatusRate(), kRate);
  EXPECT_EQ(image.StatusStage(), kStage);
  EXPECT_TRUE(std::equal(image.bytes.begin() + 2, image.bytes.end(), before.bytes.begin() + 2));
  EXPECT_TRUE(pause.pauses.empty());
}

TEST_F(ProtocolTest, WithTheFlagClearReportsGoOutAsBuilt) {
  state.scrambling = 0;
  sim.SetScrambling(false);
  ConfigImage image;
  EXPECT_TRUE(protocol.ReadOperation(image));
  ExpectTransfers(ReadSequence(), false);
  EXPECT_THAT(sim.Transfers()[0].wire, ElementsAre(0x01, 0xAA, 0xCC, 0xEE, 0xDD, 0x80, 0x00, 0x00));
}

TEST_F(ProtocolTest, AFailedStatusCheckStopsEachOperationWithItsCaption) {
  struct Case {
    const char* name;
    void (*fault)(SimFaults&);
  };
  const Case cases[] = {
      {"wrong signature", [](SimFaults& f) { f.wrongSignature = true; }},
      {"no answer", [](SimFaults& f) { f.noAnswer = true; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimFaults saved = sim.Faults();
    c.fault(sim.Faults());
    ConfigImage image;
    boxes.shown.clear();
    EXPECT_FALSE(protocol.ReadOperation(image));
    ExpectMissingMouseMessage(u"ReadOperation");
    EXPECT_THAT(image.bytes, Each(0));

    image.bytes = Pattern(9, 9, 1);
    const ConfigImage before = image;
    boxes.shown.clear();
    EXPECT_FALSE(protocol.GetDPIStage(image));
    ExpectMissingMouseMessage(u"GetDPIStage");
    EXPECT_EQ(image.bytes, before.bytes);

    boxes.shown.clear();
    const size_t attempts = sim.TransferAttempts();
    EXPECT_EQ(protocol.WriteOperation(image), WriteResult::Unanswered);
    ExpectMissingMouseMessage(u"WriteOperation");
    EXPECT_EQ(sim.TransferAttempts() - attempts, 2u);
    EXPECT_EQ(sim.Memory(), memory);
    EXPECT_TRUE(pause.pauses.empty());
    sim.Faults() = saved;
  }
}

TEST_F(ProtocolTest, OnlyWriteOperationAcceptsAnotherReportIdInTheStatusAnswer) {
  sim.Faults().answerReportId = 2;
  ConfigImage image;
  EXPECT_FALSE(protocol.ReadOperation(image));
  EXPECT_FALSE(protocol.GetDPIStage(image));
  ASSERT_EQ(boxes.shown.size(), 2u);
  image.bytes = Pattern(4, 0, 17);
  EXPECT_EQ(protocol.WriteOperation(image), WriteResult::Complete);
  EXPECT_EQ(sim.Memory(), image.bytes);
  EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(ProtocolTest, TheMessageIsTheTextTheWindowGave) {
  protocol.SetMissingMouseText(u"first");
  protocol.SetMissingMouseText(u"\u7cfb\u7d71");
  sim.Faults().wrongSignature = true;
  ConfigImage image;
  protocol.GetDPIStage(image);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, u"\u7cfb\u7d71");
  EXPECT_EQ(boxes.shown[0].caption, u"GetDPIStage");
}

TEST_F(ProtocolTest, WithoutAnOpenLinkNothingReachesTheBus) {
  link.CloseChannels();
  ConfigImage image;
  EXPECT_FALSE(protocol.ReadOperation(image));
  EXPECT_EQ(sim.TransferAttempts(), 0u);
  ExpectMissingMouseMessage(u"ReadOperation");
}

// Transfers of a read: 0 status query, 1 status answer, then per block n (1..5) the
// announcement 3n-1, its acknowledgement 3n and the data 3n+1.
TEST_F(ProtocolTest, ReadingFromAMouseUnpluggedAtEachTransferKeepsOnlyWholeBlocks) {
  for (size_t unplugAt = 0; unplugAt <= 17; ++unplugAt) {
    SCOPED_TRACE("unplugged before transfer " + std::to_string(unplugAt));
    sim.Plug();
    sim.Faults().unplugBeforeTransfer = sim.TransferAttempts() + unplugAt;
    boxes.shown.clear();
    pause.pauses.clear();
    ConfigImage image;
    const bool complete = protocol.ReadOperation(image);
    EXPECT_EQ(complete, unplugAt == 17);
    if (unplugAt < 2) {
      EXPECT_EQ(boxes.shown.size(), 1u);
      EXPECT_THAT(image.bytes, Each(0));
      EXPECT_TRUE(pause.pauses.empty());
      continue;
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(image.StatusRate(), kRate);
    EXPECT_EQ(pause.pauses.size(), 5u);
    for (size_t n = 1; n <= 5; ++n) {
      const bool whole = 3 * n + 1 < unplugAt;
      const Bytes stored = BlockOf(image.bytes, n);
      EXPECT_EQ(stored, whole ? BlockOf(memory, n) : Bytes(65, 0)) << "block " << n;
    }
  }
}

// Transfers of a write: 0 and 1 the status exchange, 2 the status write, then per block n
// the announcement 3n, its acknowledgement 3n+1 and the data 3n+2.
TEST_F(ProtocolTest, WritingToAMouseUnpluggedAtEachTransferReportsFailure) {
  ConfigImage image;
  image.bytes = Pattern(8, 1, 200);
  for (size_t unplugAt = 0; unplugAt <= 18; ++unplugAt) {
    SCOPED_TRACE("unplugged before transfer " + std::to_string(unplugAt));
    sim.Plug();
    sim.SetMemory(memory);
    sim.Faults().unplugBeforeTransfer = sim.TransferAttempts() + unplugAt;
    pause.pauses.clear();
    // Unplugged before the status answer, the mouse is missing; after it, the write is partial.
    const WriteResult expected = unplugAt < 2 ? WriteResult::Unanswered : unplugAt == 18 ? WriteResult::Complete : WriteResult::Incomplete;
    EXPECT_EQ(protocol.WriteOperation(image), expected);
    EXPECT_EQ(pause.pauses.size(), unplugAt < 2 ? 0u : 6u);
    const SimMemory& now = sim.Memory();
    EXPECT_EQ(now[0], unplugAt > 2 ? 8 : kRate);
    for (size_t n = 1; n <= 5; ++n) {
      const bool written = 3 * n + 2 < unplugAt;
      EXPECT_EQ(BlockOf(now, n), BlockOf(written ? image.bytes : memory, n)) << "block " << n;
    }
  }
}

}  // namespace
}  // namespace qv
