#pragma once
// The HID bus the device link talks through: one interface with two implementations, the
// SetupAPI/HID.DLL bus of the Windows build (device/win32/setupapi_hid_bus.h) and the
// simulated mouse of the core (device/sim_mouse.h). Native tests add their own fakes.
//
// Handles and preparsed data are opaque integers handed out by the bus; whoever receives
// one owns it and gives it back through Close / FreePreparsedData (device/hid_owners.h has
// the RAII owners the core uses).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qv {

using HidHandle = uintptr_t;
// The bit pattern of INVALID_HANDLE_VALUE, so the Windows bus can pass handles through.
inline constexpr HidHandle kInvalidHidHandle = ~HidHandle{0};

using HidPreparsed = uintptr_t;
inline constexpr HidPreparsed kNoPreparsed = 0;

// CreateFileW arguments the link uses: it never asks for read or write rights, so the
// system keeps its own exclusive use of mouse and keyboard collections while feature
// reports still pass.
inline constexpr uint32_t kAccessNone = 0;
inline constexpr uint32_t kAttributesNone = 0;
inline constexpr uint32_t kAttributeNormal = 0x80;  // FILE_ATTRIBUTE_NORMAL

enum class HidEnumStatus {
  Found,        // member i exists
  NoMoreItems,  // ERROR_NO_MORE_ITEMS: past the last member
  OtherError,   // enumeration failed otherwise; the bus still fetched the detail of the
                // interface data it held from the previous member (if any)
};

struct HidInterface {
  HidEnumStatus status = HidEnumStatus::NoMoreItems;
  // The interface's device path; empty when its detail record could not be fetched.
  std::optional<std::u16string> path;
  // The physical device the interface belongs to: the USB device its HID and interface
  // nodes lead up to (Windows), the USB device above its hidraw node in sysfs (Linux).
  // Interfaces with the same value are collections of one mouse; empty when unknown.
  std::u16string device;
};

struct HidOpenResult {
  HidHandle handle = kInvalidHidHandle;
  uint32_t error = 0;  // GetLastError of a failed open
};

struct HidAttributes {
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  uint16_t versionNumber = 0;
};

struct HidCaps {
  uint16_t usage = 0;
  uint16_t usagePage = 0;
  uint16_t inputReportByteLength = 0;
  uint16_t outputReportByteLength = 0;
  uint16_t featureReportByteLength = 0;
};

enum class HidCapsStatus { Success, InvalidPreparsedData };

class HidBus {
 public:
  virtual ~HidBus() = default;

  // One enumeration of the present HID interfaces at a time: Begin, members 0, 1, ... and
  // End (which destroys the device information list). Begin answers false when the list
  // cannot be made; End is then not needed.
  virtual bool BeginEnumeration() = 0;
  virtual HidInterface EnumerateInterface(uint32_t memberIndex) = 0;
  virtual void EndEnumeration() = 0;

  // CreateFileW(path, access, share read|write, OPEN_EXISTING, attributes).
  virtual HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) = 0;
  virtual void Close(HidHandle handle) = 0;

  // HidD_GetAttributes; the attributes stay as given when it fails.
  virtual bool GetAttributes(HidHandle handle, HidAttributes& attributes) = 0;
  // HidD_GetPreparsedData (kNoPreparsed on failure), HidP_GetCaps, HidD_FreePreparsedData.
  virtual HidPreparsed GetPreparsedData(HidHandle handle) = 0;
  virtual HidCapsStatus GetCaps(HidPreparsed preparsed, HidCaps& caps) = 0;
  virtual void FreePreparsedData(HidPreparsed preparsed) = 0;

  // HidD_SetFeature / HidD_GetFeature with the report's whole length; true on success.
  virtual bool SetFeature(HidHandle handle, std::span<const uint8_t> report) = 0;
  virtual bool GetFeature(HidHandle handle, std::span<uint8_t> report) = 0;
};

}  // namespace qv
