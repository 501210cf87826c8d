#pragma once
// The HID bus of the real system: SetupAPI enumerates the present interfaces of the HID
// class, CreateFileW opens them and HID.DLL reads attributes and capabilities and moves
// feature reports. Handles and preparsed data it hands out are the system's own values.
#include <windows.h>

#include <setupapi.h>

#include "common/win32/handles.h"
#include "device/hid_bus.h"

namespace qv::win {

struct DeviceInfoListTraits {
  static HDEVINFO Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HDEVINFO h) { SetupDiDestroyDeviceInfoList(h); }
};

using UniqueDeviceInfoList = UniqueResource<HDEVINFO, DeviceInfoListTraits>;

// {4D1E55B2-F16F-11CF-88CB-001111000030}, the HID device interface class.
inline constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

class SetupApiHidBus final : public HidBus {
 public:
  bool BeginEnumeration() override;
  HidInterface EnumerateInterface(uint32_t memberIndex) override;
  void EndEnumeration() override;
  HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) override;
  void Close(HidHandle handle) override;
  bool GetAttributes(HidHandle handle, HidAttributes& attributes) override;
  HidPreparsed GetPreparsedData(HidHandle handle) override;
  HidCapsStatus GetCaps(HidPreparsed preparsed, HidCaps& caps) override;
  void FreePreparsedData(HidPreparsed preparsed) override;
  bool SetFeature(HidHandle handle, std::span<const uint8_t> report) override;
  bool GetFeature(HidHandle handle, std::span<uint8_t> report) override;

 private:
  // The interface's path, and its device node in `node`.
  std::optional<std::u16string> DetailPath(SP_DEVINFO_DATA& node);

  UniqueDeviceInfoList list_;
  // Kept between members: after an enumeration error the detail is fetched from it as is.
  SP_DEVICE_INTERFACE_DATA interfaceData_{};
};

}  // namespace qv::win
