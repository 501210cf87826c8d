#pragma once
// Which HID bus the program talks through, and the unpacking of WM_DEVICECHANGE for the
// core's device-change decisions.
#include <windows.h>

#include <memory>
#include <string>

#include "device/device_change.h"
#include "device/hid_bus.h"

namespace qv::win {

// The SetupAPI/HID bus; in the simulated program the simulated mouse, keeping its files
// in the program directory. Which one is chosen at link time: platform_hid_bus_real.cpp or
// platform_hid_bus_sim.cpp, so that the real program holds nothing of the simulator.
std::unique_ptr<HidBus> CreatePlatformHidBus();

// Unpacks WM_DEVICECHANGE's wParam and broadcast header. The interface name points into
// the broadcast, so the result is only good while the message is being handled.
DeviceChange ReadDeviceChange(WPARAM wParam, LPARAM lParam);

}  // namespace qv::win
