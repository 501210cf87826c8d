#pragma once
// How the mouse and its two configuration collections are recognised on the HID bus.
#include <cstdint>
#include <string_view>

namespace qv {

inline constexpr uint16_t kMouseVendorId = 0x04D9;
inline constexpr uint16_t kMouseProductId = 0xA09E;

inline constexpr uint16_t kGenericDesktopPage = 1;

// The mouse collection carries 64-byte blocks (report id 0 plus the block).
inline constexpr uint16_t kDataChannelUsage = 2;
inline constexpr uint16_t kDataChannelFeatureLength = 65;
// The keyboard collection carries 8-byte commands (report id 1).
inline constexpr uint16_t kCommandChannelUsage = 6;
inline constexpr uint16_t kCommandChannelFeatureLength = 8;

// Interface names in device notifications carry the identifiers in either spelling.
inline constexpr std::u16string_view kMouseNameMixedCase = u"Vid_04d9&Pid_a09e";
inline constexpr std::u16string_view kMouseNameUpperCase = u"VID_04D9&PID_A09E";

}  // namespace qv
