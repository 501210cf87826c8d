#include "device/win32/platform_hid_bus.h"

#include <dbt.h>

#include <cwchar>

namespace qv::win {

DeviceChange ReadDeviceChange(WPARAM wParam, LPARAM lParam) {
  DeviceChange change;
  change.event = static_cast<uint32_t>(wParam);
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
  if (header == nullptr) return change;
  change.deviceType = header->dbch_devicetype;
  if (change.deviceType != DBT_DEVTYP_DEVICEINTERFACE) return change;
  const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
  const size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  if (broadcast->dbcc_size <= nameOffset) return change;
  // The name ends at its terminator or at the end of the broadcast, whichever comes first.
  const size_t room = (broadcast->dbcc_size - nameOffset) / sizeof(wchar_t);
  const wchar_t* name = broadcast->dbcc_name;
  change.interfaceName = std::u16string_view(reinterpret_cast<const char16_t*>(name), wcsnlen(name, room));
  return change;
}

}  // namespace qv::win
