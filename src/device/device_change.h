#pragma once
// One WM_DEVICECHANGE broadcast as the core sees it, unpacked by the Win32 layer.
#include <cstdint>
#include <string_view>

namespace qv {

inline constexpr uint32_t kDeviceArrival = 0x8000;         // DBT_DEVICEARRIVAL
inline constexpr uint32_t kDeviceRemoveComplete = 0x8004;  // DBT_DEVICEREMOVECOMPLETE
inline constexpr uint32_t kDeviceTypeInterface = 5;        // DBT_DEVTYP_DEVICEINTERFACE

struct DeviceChange {
  uint32_t event = 0;               // wParam
  uint32_t deviceType = 0;          // dbch_devicetype of the broadcast header
  std::u16string_view interfaceName;  // dbcc_name, only for interface broadcasts
};

}  // namespace qv
