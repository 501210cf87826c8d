// Two mice of this model on one bus: whatever order the system lists their collections in,
// a read and a write talk to one of them only, the one whose channel is listed first.
#include <gtest/gtest.h>

#include "device/device_link.h"
#include "device/protocol.h"
#include "device_fakes.h"
#include "two_mice_bus.h"

namespace qv {
namespace {

using test::kSimCommand;
using test::kSimConsumer;
using test::kSimData;

struct Order {
  const char* name;
  std::vector<test::TwoMiceBus::Member> members;
  int mouse;  // the one that must be read and written
};

TEST(TwoMice, ReadAndWriteReachTheSameMouse) {
  const Order orders[] = {
      {"data A, data B, command B, command A", {{0, kSimData}, {1, kSimData}, {1, kSimCommand}, {0, kSimCommand}}, 0},
      {"command B, data A, command A, data B", {{1, kSimCommand}, {0, kSimData}, {0, kSimCommand}, {1, kSimData}}, 1},
      {"consumer B, data A, command B, command A, data B",
       {{1, kSimConsumer}, {0, kSimData}, {1, kSimCommand}, {0, kSimCommand}, {1, kSimData}},
       0},
  };
  for (const Order& order : orders) {
    SCOPED_TRACE(order.name);
    test::TwoMiceBus bus;
    bus.order = order.members;
    SimMemory other = DefaultSimMemory();
    other[ConfigImage::kStatusRate] = 8;
    other[kStatusSize + 70] ^= 0x5A;
    bus.mice[1].SetMemory(other);
    const SimMemory before[2] = {bus.mice[0].Memory(), bus.mice[1].Memory()};

    AppState state;
    state.scrambling = 1;
    test::FakeMessageBoxes boxes;
    test::FakePause pause;
    DeviceLink link(bus, state, boxes);
    MouseProtocol protocol(link, state, boxes, pause);
    ASSERT_TRUE(link.OpenDevice());
    ConfigImage image;
    ASSERT_TRUE(protocol.ReadOperation(image));
    EXPECT_EQ(image.bytes, before[order.mouse]);

    image.bytes[ConfigImage::kStatusRate] = 4;
    image.Block(5)[3] ^= 0xFF;
    ASSERT_EQ(protocol.WriteOperation(image), WriteResult::Complete);
    EXPECT_EQ(bus.mice[order.mouse].Memory(), image.bytes);
    EXPECT_EQ(bus.mice[1 - order.mouse].Memory(), before[1 - order.mouse]);
    EXPECT_TRUE(boxes.shown.empty());
  }
}

}  // namespace
}  // namespace qv
