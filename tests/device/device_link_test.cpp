#include "device/device_link.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/text.h"
#include "device/physical_device.h"
#include "device_fakes.h"
#include "fake_hid_bus.h"

namespace qv {
namespace {

using ::testing::ElementsAre;

const std::u16string kData = u"\\\\?\\hid#vid_04d9&pid_a09e&mi_00#data";
const std::u16string kCommand = u"\\\\?\\hid#vid_04d9&pid_a09e&mi_01&col01#command";
const std::u16string kConsumer = u"\\\\?\\hid#vid_04d9&pid_a09e&mi_01&col02#consumer";
const std::u16string kForeign = u"\\\\?\\hid#vid_045e&pid_0040#foreign";
const std::u16string kTrailing = u"\\\\?\\hid#vid_1234&pid_5678#trailing";

test::FakeCollection Foreign(std::u16string path) {
  // Same caps as the data channel: only the identifiers tell it apart.
  return {std::move(path), {0x045E, 0x0040, 0x0300}, {2, 1, 5, 0, 65}};
}

class DeviceLinkTest : public ::testing::Test {
 protected:
  DeviceLinkTest() {
    bus.collections = {Foreign(kForeign), test::MouseCollection(kData, 2, 65, 8),
                       test::MouseCollection(kConsumer, 1, 0, 3), test::MouseCollection(kCommand, 6, 8, 9),
                       Foreign(kTrailing)};
    bus.collections[2].caps.usagePage = 0x0C;
  }

  void ExpectNothingOutstanding() {
    EXPECT_EQ(bus.openHandles, 0);
    EXPECT_EQ(bus.livePreparsed, 0);
    EXPECT_EQ(bus.openLists, 0);
  }

  test::FakeHidBus bus;
  AppState state;
  test::FakeMessageBoxes boxes;
  test::FakeTrace trace;
  DeviceLink link{bus, state, boxes, &trace};
};

TEST_F(DeviceLinkTest, OpensTheTwoChannelsAndStopsEnumeratingOnceBothAreOpen) {
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_EQ(state.connected, 1);
  EXPECT_THAT(bus.enumerated, ElementsAre(0u, 1u, 2u, 3u));
  const std::vector<std::tuple<std::u16string, uint32_t, uint32_t>> expected{
      {kForeign, 0, 0}, {kData, 0, 0}, {kData, 0, 0x80}, {kConsumer, 0, 0}, {kCommand, 0, 0}, {kCommand, 0, 0}};
  ASSERT_EQ(bus.opens.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(std::make_tuple(bus.opens[i].path, bus.opens[i].access, bus.opens[i].attributes), expected[i])
        << "open " << i;
  }
  EXPECT_THAT(bus.closes, ElementsAre(kForeign, kData, kConsumer, kCommand));  // the probes
  EXPECT_EQ(bus.openHandles, 2);
  EXPECT_EQ(bus.livePreparsed, 0);
  EXPECT_EQ(bus.openLists, 0);
  EXPECT_EQ(link.DataLength(), 65);
  EXPECT_EQ(link.CommandLength(), 8);
  EXPECT_EQ(link.InputLength(), 9);
  EXPECT_EQ(link.DevicePath(), kCommand);
  EXPECT_NE(link.DataChannel(), link.CommandChannel());
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DeviceLinkTest, ClosingAndReopeningNeverLeavesTwoConnectionsOpen) {
  ASSERT_TRUE(link.OpenDevice());
  const HidHandle firstCommand = link.CommandChannel();
  bus.closes.clear();
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_THAT(std::vector<std::u16string>(bus.closes.begin(), bus.closes.begin() + 2), ElementsAre(kCommand, kData));
  EXPECT_EQ(bus.openHandles, 2);
  EXPECT_NE(link.CommandChannel(), firstCommand);
  bus.closes.clear();
  link.CloseChannels();
  link.CloseChannels();
  EXPECT_THAT(bus.closes, ElementsAre(kCommand, kData));
  ExpectNothingOutstanding();
}

TEST_F(DeviceLinkTest, AChannelThatCannotBeOpenedShowsTheErrorCode) {
  bus.collections[3].opensBeforeFailure = 1;  // the probe opens, the channel does not
  bus.openError = 32;
  EXPECT_FALSE(link.OpenDevice());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, u"CreateFile Error Code:32");
  EXPECT_EQ(boxes.shown[0].caption, u"");
  EXPECT_EQ(state.connected, 0);
  ExpectNothingOutstanding();
}

TEST_F(DeviceLinkTest, EveryOtherFailureIsSilentAndLeavesNothingOpen) {
  struct Case {
    const char* name;
    void (*arrange)(test::FakeHidBus&);
  };
  const Case cases[] = {
      {"no device list", [](test::FakeHidBus& b) { b.beginFails = true; }},
      {"only the data collection", [](test::FakeHidBus& b) { b.collections.erase(b.collections.begin() + 3); }},
      {"no collection at all", [](test::FakeHidBus& b) { b.collections.clear(); }},
      {"detail of a member fails", [](test::FakeHidBus& b) { b.detailFailsAt = 3; }},
      {"probe cannot be opened", [](test::FakeHidBus& b) { b.collections[3].opensBeforeFailure = 0; }},
      {"no preparsed data", [](test::FakeHidBus& b) { b.collections[3].preparsedFails = true; }},
      {"invalid preparsed data", [](test::FakeHidBus& b) { b.collections[1].capsInvalid = true; }},
      {"enumeration error ends the loop", [](test::FakeHidBus& b) { b.otherErrorAt = 2; }},
      {"enumeration error on the first member", [](test::FakeHidBus& b) { b.otherErrorAt = 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::FakeHidBus failing = bus;
    c.arrange(failing);
    AppState s;
    DeviceLink l(failing, s, boxes);
    EXPECT_FALSE(l.OpenDevice());
    EXPECT_EQ(s.connected, 0);
    EXPECT_EQ(failing.openHandles, 0);
    EXPECT_EQ(failing.livePreparsed, 0);
    EXPECT_EQ(failing.openLists, 0);
  }
  EXPECT_TRUE(boxes.shown.empty());
}

// Another device's interface that cannot be probed is no reason to call the mouse missing.
TEST_F(DeviceLinkTest, AnInterfaceThatCannotBeProbedIsPassedOver) {
  const std::pair<const char*, void (*)(test::FakeHidBus&)> cases[] = {
      {"refuses to open", [](test::FakeHidBus& b) { b.collections[0].opensBeforeFailure = 0; }},
      {"has no detail path", [](test::FakeHidBus& b) { b.detailFailsAt = 0; }},
  };
  for (const auto& [name, arrange] : cases) {
    SCOPED_TRACE(name);
    test::FakeHidBus foreign = bus;
    arrange(foreign);
    AppState s;
    DeviceLink l(foreign, s, boxes);
    EXPECT_TRUE(l.OpenDevice());
    EXPECT_EQ(s.connected, 1);
    EXPECT_EQ(foreign.openHandles, 2);
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DeviceLinkTest, AnEnumerationErrorExaminesTheHeldInterfaceOnceMoreAndEndsTheLoop) {
  bus.collections = {test::MouseCollection(kCommand, 6, 8, 9), test::MouseCollection(kConsumer, 1, 0, 3),
                     test::MouseCollection(kData, 2, 65, 8)};
  bus.otherErrorAt = 1;  // member 1 fails; the data of member 0 is still held
  EXPECT_FALSE(link.OpenDevice());
  EXPECT_THAT(bus.enumerated, ElementsAre(0u, 1u));
  ASSERT_EQ(bus.opens.size(), 3u);  // probe, channel, probe again: the open channel is kept
  EXPECT_EQ(bus.opens[2].path, kCommand);
  EXPECT_EQ(bus.openHandles, 0);
}

TEST_F(DeviceLinkTest, DiagnosticsGoToTheTrace) {
  ASSERT_TRUE(link.OpenDevice());
  ASSERT_GE(trace.lines.size(), 2u);
  EXPECT_EQ(trace.lines[0], u"PID:0040\n,VID:045e\n,VersionNumber:0300\n");
  EXPECT_EQ(trace.lines[2], u"DevicePath:" + kData +
                                u",\nUsage:0x0002\n, UsagePage:0x0001\n,FeatureReportByteLength:0x0041\n,"
                                u"InputReportByteLength:0x8\n,OutputReportByteLength:0x0\n");
}

TEST(PhysicalDevice, HidAndInterfaceNodesAreWalkedPast) {
  const std::pair<std::u16string_view, bool> ids[] = {
      {u"HID\\VID_04D9&PID_A09E&MI_01&Col01\\7&1C3E5A7F&0&0000", true},
      {u"hid\\vid_845e&pid_0001\\0&0000&0&0", true},
      {u"USB\\VID_04D9&PID_A09E&MI_01\\6&2B4D6F8A&0&0001", true},
      {u"USB\\VID_04D9&PID_A09E\\5&3A1B2C4D&0&1", false},
      {u"ROOT\\SYSTEM\\0001", false},
  };
  for (const auto& [id, interfaceNode] : ids) EXPECT_EQ(IsInterfaceNode(id), interfaceNode) << ToUtf8(id);
}

}  // namespace
}  // namespace qv
