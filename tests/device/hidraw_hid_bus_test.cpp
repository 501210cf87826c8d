// The Linux bus through its seam: hidraw nodes described by sysfs and by the report
// descriptor bytes of the mouse's two configuration interfaces and of a foreign keyboard.
#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <map>

#include "device/device_fakes.h"
#include "device/device_link.h"
#include "device/linux/hidraw_hid_bus.h"
#include "device/linux/report_descriptor.h"

namespace qv::linux_hid {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::Contains;

// Interface 0 of the mouse: buttons and motion, and the 64-byte block as a feature report
// without report ids.
const std::vector<uint8_t> kDataInterface = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29, 0x05,
    0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x03, 0x81, 0x01,
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03,
    0x81, 0x06, 0xC0, 0x06, 0x00, 0xFF, 0x09, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x96,
    0x40, 0x00, 0xB1, 0x02, 0xC0,
};
// Interface 1: a keyboard collection (report id 1) carrying the 7-byte command as a feature
// report, and a consumer collection (report id 3).
const std::vector<uint8_t> kCommandInterface = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00,
    0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x26, 0xFF,
    0x00, 0x19, 0x00, 0x2A, 0xFF, 0x00, 0x81, 0x00, 0x06, 0x00, 0xFF, 0x09, 0x02, 0x75, 0x08, 0x95,
    0x07, 0xB1, 0x02, 0xC0, 0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x03, 0x15, 0x00, 0x26, 0xFF,
    0x03, 0x19, 0x00, 0x2A, 0xFF, 0x03, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00, 0xC0,
};
// A plain keyboard of another maker: modifiers, reserved byte, six keys, five LEDs.
const std::vector<uint8_t> kForeignKeyboard = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01,
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01, 0x95, 0x05, 0x75, 0x01,
    0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x95, 0x06,
    0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0,
};

struct Node {
  std::string name;
  uint16_t vendor;
  uint16_t product;
  std::vector<uint8_t> descriptor;
  int openError = 0;
  std::string usbDevice = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";
};

struct FakeHidraw final : HidrawSystem {
  std::vector<Node> nodes;
  std::vector<std::string> opened;
  std::map<int, const Node*> fds;
  std::vector<std::pair<unsigned long, std::vector<uint8_t>>> features;  // request, bytes sent
  int nextFd = 3;

  std::vector<std::string> ListDirectory(const std::string& path) override {
    std::vector<std::string> names;
    if (path == kSysClassHidraw) {
      for (const Node& node : nodes) names.push_back(node.name);
    }
    return names;
  }
  std::optional<std::string> ReadFile(const std::string& path) override {
    for (const Node& node : nodes) {
      if (path != std::string(kSysClassHidraw) + "/" + node.name + "/device/uevent") continue;
      char id[40];
      std::snprintf(id, sizeof id, "HID_ID=0003:%08X:%08X\n", node.vendor, node.product);
      return "DRIVER=hid-generic\n" + std::string(id) + "HID_NAME=a device\n";
    }
    return std::nullopt;
  }
  std::optional<std::string> RealPath(const std::string& path) override {
    for (const Node& node : nodes) {
      if (path == std::string(kSysClassHidraw) + "/" + node.name + "/device") {
        return node.usbDevice + "/1-2:1.0/0003:04D9:A09E.0001";
      }
    }
    return std::nullopt;
  }
  int Open(const std::string& path, int& error) override {
    opened.push_back(path);
    for (const Node& node : nodes) {
      if (path != "/dev/" + node.name) continue;
      error = node.openError;
      if (error != 0) return -1;
      fds[nextFd] = &node;
      return nextFd++;
    }
    error = ENOENT;
    return -1;
  }
  void Close(int fd) override { fds.erase(fd); }
  int Ioctl(int fd, unsigned long request, void* argument) override {
    const Node* node = fds.at(fd);
    if (request == HIDIOCGRAWINFO) {
      auto* info = static_cast<hidraw_devinfo*>(argument);
      *info = {3, static_cast<int16_t>(node->vendor), static_cast<int16_t>(node->product)};
      return 0;
    }
    if (request == HIDIOCGRDESCSIZE) {
      *static_cast<int*>(argument) = static_cast<int>(node->descriptor.size());
      return 0;
    }
    if (request == HIDIOCGRDESC) {
      auto* descriptor = static_cast<hidraw_report_descriptor*>(argument);
      std::memcpy(descriptor->value, node->descriptor.data(), descriptor->size);
      return 0;
    }
    const auto* bytes = static_cast<uint8_t*>(argument);
    features.emplace_back(request, std::vector<uint8_t>(bytes, bytes + _IOC_SIZE(request)));
    return static_cast<int>(_IOC_SIZE(request));
  }
};

TEST(ReportDescriptor, EachTopLevelCollectionWithItsReportLengths) {
  const auto caps = [](std::vector<uint8_t> bytes) { return TopLevelCollections(bytes); };
  const auto fields = [](const HidCaps& c) {
    return std::vector<int>{c.usagePage, c.usage, c.inputReportByteLength, c.outputReportByteLength,
                            c.featureReportByteLength};
  };
  const auto data = caps(kDataInterface);
  ASSERT_EQ(data.size(), 1u);
  EXPECT_EQ(fields(data[0]), (std::vector<int>{1, 2, 5, 0, 65}));
  const auto command = caps(kCommandInterface);
  ASSERT_EQ(command.size(), 2u);
  EXPECT_EQ(fields(command[0]), (std::vector<int>{1, 6, 8, 0, 8}));
  EXPECT_EQ(fields(command[1]), (std::vector<int>{0x0C, 1, 3, 0, 0}));
  const auto keyboard = caps(kForeignKeyboard);
  ASSERT_EQ(keyboard.size(), 1u);
  EXPECT_EQ(fields(keyboard[0]), (std::vector<int>{1, 6, 9, 2, 0}));
  // Cut inside an item: the collection begun before the damage is kept.
  EXPECT_EQ(caps(std::vector<uint8_t>(kDataInterface.begin(), kDataInterface.begin() + 65)).size(), 1u);
}

struct Fixture {
  FakeHidraw* system;
  std::unique_ptr<HidrawHidBus> bus;
};

Fixture BusWith(std::vector<Node> nodes) {
  auto system = std::make_unique<FakeHidraw>();
  system->nodes = std::move(nodes);
  FakeHidraw* view = system.get();
  return {view, std::make_unique<HidrawHidBus>(std::move(system))};
}

TEST(HidrawBus, TheLinkOpensBothCollectionsOfOneMouseAndNeverTouchesAForeignDevice) {
  Fixture f = BusWith({{"hidraw0", 0x046D, 0xC31C, kForeignKeyboard},
                       {"hidraw1", 0x04D9, 0xA09E, kCommandInterface},
                       {"hidraw2", 0x04D9, 0xA09E, kDataInterface, 0, "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-3"},
                       {"hidraw3", 0x04D9, 0xA09E, kDataInterface}});
  AppState state;
  test::FakeMessageBoxes boxes;
  DeviceLink link(*f.bus, state, boxes);
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_THAT(f.system->opened, Not(Contains("/dev/hidraw0")));
  EXPECT_EQ(link.CommandLength(), 8);
  EXPECT_EQ(link.DataLength(), 65);
  EXPECT_EQ(f.system->fds.at(static_cast<int>(link.DataChannel()))->name, "hidraw3");  // not the mouse on 1-3
  EXPECT_EQ(link.Device(), u"/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2");

  const std::vector<uint8_t> command = {1, 0xAA, 0xCC, 0xEE, 0xDD, 0x80, 0, 0};
  EXPECT_TRUE(f.bus->SetFeature(link.CommandChannel(), command));
  std::vector<uint8_t> block(65, 0);
  EXPECT_TRUE(f.bus->GetFeature(link.DataChannel(), block));
  ASSERT_EQ(f.system->features.size(), 2u);
  EXPECT_EQ(f.system->features[0], std::make_pair(static_cast<unsigned long>(HIDIOCSFEATURE(8)), command));
  EXPECT_EQ(f.system->features[1].first, static_cast<unsigned long>(HIDIOCGFEATURE(65)));
  link.CloseChannels();
  EXPECT_TRUE(f.system->fds.empty());
}

TEST(HidrawBus, PermissionDeniedNamesTheNodeAndTheUdevRule) {
  Fixture f = BusWith({{"hidraw1", 0x04D9, 0xA09E, kCommandInterface, EACCES},
                       {"hidraw2", 0x04D9, 0xA09E, kDataInterface, EACCES}});
  AppState state;
  test::FakeMessageBoxes boxes;
  DeviceLink link(*f.bus, state, boxes);
  EXPECT_FALSE(link.OpenDevice());
  ASSERT_TRUE(f.bus->DeniedNode().has_value());
  const std::string text = PermissionDeniedText(*f.bus->DeniedNode());
  EXPECT_THAT(text, HasSubstr("/dev/hidraw1"));
  EXPECT_THAT(text, HasSubstr("70-qv318.rules"));
}

}  // namespace
}  // namespace qv::linux_hid
