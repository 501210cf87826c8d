#include "device/win32/setupapi_hid_bus.h"

#include <windows.h>

#include <dbt.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "device/device_link.h"
#include "device/mouse_identity.h"
#include "device/win32/platform_hid_bus.h"
#include "model/app_state.h"

namespace qv::win {
namespace {

// Passes every call to the real bus and counts what is still outstanding.
class CountingBus final : public HidBus {
 public:
  bool BeginEnumeration() override { return Count(lists, real.BeginEnumeration()); }
  HidInterface EnumerateInterface(uint32_t i) override { return real.EnumerateInterface(i); }
  void EndEnumeration() override {
    --lists;
    real.EndEnumeration();
  }
  HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) override {
    const HidOpenResult r = real.Open(path, access, attributes);
    if (r.handle != kInvalidHidHandle) {
      ++handles;
      opened.push_back(reinterpret_cast<HANDLE>(r.handle));
    }
    return r;
  }
  void Close(HidHandle h) override {
    --handles;
    real.Close(h);
  }
  bool GetAttributes(HidHandle h, HidAttributes& a) override { return real.GetAttributes(h, a); }
  HidPreparsed GetPreparsedData(HidHandle h) override {
    const HidPreparsed p = real.GetPreparsedData(h);
    if (p != kNoPreparsed) ++preparsed;
    return p;
  }
  HidCapsStatus GetCaps(HidPreparsed p, HidCaps& c) override { return real.GetCaps(p, c); }
  void FreePreparsedData(HidPreparsed p) override {
    --preparsed;
    real.FreePreparsedData(p);
  }
  bool SetFeature(HidHandle h, std::span<const uint8_t> r) override { return real.SetFeature(h, r); }
  bool GetFeature(HidHandle h, std::span<uint8_t> r) override { return real.GetFeature(h, r); }

  SetupApiHidBus real;
  int lists = 0, handles = 0, preparsed = 0;
  std::vector<HANDLE> opened;

 private:
  static bool Count(int& counter, bool ok) {
    if (ok) ++counter;
    return ok;
  }
};

struct NoBoxes : MessageBoxes {
  int shown = 0;
  void Show(std::u16string_view, std::u16string_view) override { ++shown; }
};

// Wine's GetProcessHandleCount always answers 0, so each handle is asked about instead.
bool StillOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(SetupApiHidBus, ProbesWineHidCollectionsWithAccessZero) {
  SetupApiHidBus bus;
  ASSERT_TRUE(bus.BeginEnumeration());
  int probed = 0;
  for (uint32_t i = 0; i < 64; ++i) {
    const HidInterface entry = bus.EnumerateInterface(i);
    if (entry.status == HidEnumStatus::NoMoreItems) break;
    ASSERT_EQ(entry.status, HidEnumStatus::Found);
    ASSERT_TRUE(entry.path.has_value());
    const HidOpenResult opened = bus.Open(*entry.path, kAccessNone, kAttributesNone);
    ASSERT_NE(opened.handle, kInvalidHidHandle) << "error " << opened.error;
    EXPECT_TRUE(StillOpen(reinterpret_cast<HANDLE>(opened.handle)));
    HidAttributes attributes;
    EXPECT_TRUE(bus.GetAttributes(opened.handle, attributes));
    EXPECT_NE(attributes.vendorId, kMouseVendorId);
    const HidPreparsed preparsed = bus.GetPreparsedData(opened.handle);
    ASSERT_NE(preparsed, kNoPreparsed);
    HidCaps caps;
    EXPECT_EQ(bus.GetCaps(preparsed, caps), HidCapsStatus::Success);
    EXPECT_EQ(caps.usagePage, kGenericDesktopPage);
    bus.FreePreparsedData(preparsed);
    bus.Close(opened.handle);
    EXPECT_FALSE(StillOpen(reinterpret_cast<HANDLE>(opened.handle)));
    ++probed;
  }
  bus.EndEnumeration();
  EXPECT_GE(probed, 1) << "Wine presents its own HID mouse and keyboard";
}

TEST(SetupApiHidBus, OpenDeviceFindsNoMouseAndClosesEverything) {
  CountingBus bus;
  AppState state;
  NoBoxes boxes;
  {
    DeviceLink link(bus, state, boxes);
    EXPECT_FALSE(link.OpenDevice());
    EXPECT_FALSE(link.OpenDevice());
  }
  EXPECT_GE(bus.opened.size(), 4u);  // Wine's mouse and keyboard, probed twice
  for (HANDLE handle : bus.opened) EXPECT_FALSE(StillOpen(handle));
  EXPECT_EQ(bus.handles, 0);
  EXPECT_EQ(bus.preparsed, 0);
  EXPECT_EQ(bus.lists, 0);
  EXPECT_EQ(state.connected, 0);
  EXPECT_EQ(boxes.shown, 0);
}

TEST(DeviceChangeMessage, UnpacksInterfaceBroadcastsAndOnlyTheirHeaderOtherwise) {
  const wchar_t name[] = L"\\\\?\\HID#VID_04D9&PID_A09E&MI_00#x";
  std::vector<uint8_t> storage(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + sizeof(name));
  auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage.data());
  broadcast->dbcc_size = static_cast<DWORD>(storage.size());
  broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  std::memcpy(broadcast->dbcc_name, name, sizeof(name));
  const DeviceChange change = ReadDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(broadcast));
  EXPECT_EQ(change.event, kDeviceArrival);
  EXPECT_EQ(change.deviceType, kDeviceTypeInterface);
  EXPECT_EQ(change.interfaceName, u"\\\\?\\HID#VID_04D9&PID_A09E&MI_00#x");

  DEV_BROADCAST_HDR volume{};
  volume.dbch_size = sizeof(DEV_BROADCAST_VOLUME);
  volume.dbch_devicetype = DBT_DEVTYP_VOLUME;
  const DeviceChange other = ReadDeviceChange(DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(&volume));
  EXPECT_EQ(other.deviceType, 2u);
  EXPECT_TRUE(other.interfaceName.empty());
  EXPECT_EQ(ReadDeviceChange(DBT_DEVNODES_CHANGED, 0).deviceType, 0u);
}

}  // namespace
}  // namespace qv::win
