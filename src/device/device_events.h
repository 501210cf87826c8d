#pragma once
// Connecting at start-up and following the mouse through WM_DEVICECHANGE, decided in the
// core. The Win32 handler unpacks the broadcast into a DeviceChange, calls
// HandleDeviceChange and answers TRUE whatever the result.
#include <cstdint>
#include <string_view>

#include "app/app_state.h"
#include "common/platform.h"
#include "device/device_link.h"
#include "device/mouse_link.h"

namespace qv {

inline constexpr uint32_t kDeviceArrival = 0x8000;         // DBT_DEVICEARRIVAL
inline constexpr uint32_t kDeviceRemoveComplete = 0x8004;  // DBT_DEVICEREMOVECOMPLETE
inline constexpr uint32_t kDeviceTypeInterface = 5;        // DBT_DEVTYP_DEVICEINTERFACE

struct DeviceChange {
  uint32_t event = 0;               // wParam
  uint32_t deviceType = 0;          // dbch_devicetype of the broadcast header
  std::u16string_view interfaceName;  // dbcc_name, only for interface broadcasts
};

// Everything the connection decisions act on.
struct DeviceContext {
  DeviceLink& link;
  MouseLink& mouse;
  AppState& state;
  ShellActions& shell;
};

enum class DeviceChangeResult {
  Ignored,       // not an arrival or removal of an interface naming the mouse
  Counted,       // counted, not yet the fourth
  Connected,     // acted: the mouse is open (read as well after an arrival)
  Disconnected,  // acted: the mouse could not be opened; notice 15 sent, window hidden
};

// True when the interface name contains "Vid_04d9&Pid_a09e" or "VID_04D9&PID_A09E".
bool NamesTheMouse(std::u16string_view interfaceName);

// Start-up: opens the mouse and reads its configuration, or sends the notice that it is
// missing. Answers the connected flag.
bool ConnectAtStartup(const DeviceContext& context);

DeviceChangeResult HandleDeviceChange(const DeviceContext& context, const DeviceChange& change);

}  // namespace qv
