#pragma once
// The top-level collections of a HID report descriptor with the report lengths Windows
// gives in HIDP_CAPS: the longest report of each kind plus the report id byte. hidraw
// hands out the raw descriptor; the Linux bus recognises the mouse's channels from this.
#include <cstdint>
#include <span>
#include <vector>

#include "device/hid_bus.h"

namespace qv {

// One HidCaps per top-level (application) collection, in descriptor order. A damaged
// descriptor gives the collections read before the damage.
std::vector<HidCaps> TopLevelCollections(std::span<const uint8_t> descriptor);

}  // namespace qv
