#pragma once
// Which node of the system's device tree is the physical device a HID collection belongs
// to. A composite USB mouse shows as HID nodes ("HID\VID_..&PID_..&MI_01&Col01\..") below
// USB interface nodes ("USB\VID_..&PID_..&MI_01\..") below the one USB device
// ("USB\VID_..&PID_..\serial"): the bus walks up while a node is one of the first two.
#include <string_view>

namespace qv {

// True for a device instance id that names a HID collection or an interface of a composite
// device, not the device itself (the test ignores case, as instance ids do).
bool IsInterfaceNode(std::u16string_view instanceId);

// How far a bus walks up at most: a HID node, its interface, the device.
inline constexpr int kMostInterfaceLevels = 4;

}  // namespace qv
