#include "device/win32/setupapi_hid_bus.h"

// MinGW's HID headers declare the HID.DLL functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <cfgmgr32.h>

#include <vector>

#include "common/win32/wide.h"
#include "device/physical_device.h"

namespace qv::win {
namespace {

HANDLE AsHandle(HidHandle handle) { return reinterpret_cast<HANDLE>(handle); }
PHIDP_PREPARSED_DATA AsPreparsed(HidPreparsed preparsed) { return reinterpret_cast<PHIDP_PREPARSED_DATA>(preparsed); }

std::u16string InstanceId(DEVINST node) {
  wchar_t id[MAX_DEVICE_ID_LEN + 1] = {};
  if (CM_Get_Device_IDW(node, id, MAX_DEVICE_ID_LEN, 0) != CR_SUCCESS) return {};
  return U16(id);
}

// The instance id of the physical device above a HID node (device/physical_device.h);
// empty when the walk cannot reach it: Wine answers no parent (CM_Get_Parent is a stub
// there), and the link then pairs the channels as they come.
std::u16string PhysicalDevice(DEVINST node) {
  std::u16string id = InstanceId(node);
  for (int level = 0; IsInterfaceNode(id); ++level) {
    DEVINST parent = 0;
    if (level == kMostInterfaceLevels || CM_Get_Parent(&parent, node, 0) != CR_SUCCESS) return {};
    node = parent;
    id = InstanceId(node);
  }
  return id;
}

}  // namespace

bool SetupApiHidBus::BeginEnumeration() {
  list_ = UniqueDeviceInfoList(
      SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
  interfaceData_ = {};
  interfaceData_.cbSize = sizeof(interfaceData_);
  return static_cast<bool>(list_);
}

HidInterface SetupApiHidBus::EnumerateInterface(uint32_t memberIndex) {
  HidInterface entry;
  if (SetupDiEnumDeviceInterfaces(list_.get(), nullptr, &kHidInterfaceClass, memberIndex, &interfaceData_)) {
    entry.status = HidEnumStatus::Found;
  } else {
    if (GetLastError() == ERROR_NO_MORE_ITEMS) return entry;
    entry.status = HidEnumStatus::OtherError;
  }
  SP_DEVINFO_DATA node{};
  node.cbSize = sizeof(node);
  entry.path = DetailPath(node);
  if (entry.path) entry.device = PhysicalDevice(node.DevInst);
  return entry;
}

std::optional<std::u16string> SetupApiHidBus::DetailPath(SP_DEVINFO_DATA& node) {
  DWORD needed = 0;
  SetupDiGetDeviceInterfaceDetailW(list_.get(), &interfaceData_, nullptr, 0, &needed, nullptr);
  if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
  // DWORD elements keep the record aligned for its cbSize field.
  std::vector<DWORD> buffer((needed + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!SetupDiGetDeviceInterfaceDetailW(list_.get(), &interfaceData_, detail, needed, nullptr, &node)) {
    return std::nullopt;
  }
  const wchar_t* path = detail->DevicePath;
  return U16(path);
}

void SetupApiHidBus::EndEnumeration() { list_.reset(); }

HidOpenResult SetupApiHidBus::Open(const std::u16string& path, uint32_t access, uint32_t attributes) {
  const HANDLE handle = CreateFileW(W(path), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    attributes, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {kInvalidHidHandle, GetLastError()};
  return {reinterpret_cast<HidHandle>(handle), 0};
}

void SetupApiHidBus::Close(HidHandle handle) { CloseHandle(AsHandle(handle)); }

bool SetupApiHidBus::GetAttributes(HidHandle handle, HidAttributes& attributes) {
  HIDD_ATTRIBUTES found{};
  found.Size = sizeof(found);
  if (!HidD_GetAttributes(AsHandle(handle), &found)) return false;
  attributes = {found.VendorID, found.ProductID, found.VersionNumber};
  return true;
}

HidPreparsed SetupApiHidBus::GetPreparsedData(HidHandle handle) {
  PHIDP_PREPARSED_DATA preparsed = nullptr;
  if (!HidD_GetPreparsedData(AsHandle(handle), &preparsed)) return kNoPreparsed;
  return reinterpret_cast<HidPreparsed>(preparsed);
}

HidCapsStatus SetupApiHidBus::GetCaps(HidPreparsed preparsed, HidCaps& caps) {
  HIDP_CAPS found{};
  if (HidP_GetCaps(AsPreparsed(preparsed), &found) == HIDP_STATUS_INVALID_PREPARSED_DATA) {
    return HidCapsStatus::InvalidPreparsedData;
  }
  caps = {found.Usage, found.UsagePage, found.InputReportByteLength, found.OutputReportByteLength,
          found.FeatureReportByteLength};
  return HidCapsStatus::Success;
}

void SetupApiHidBus::FreePreparsedData(HidPreparsed preparsed) { HidD_FreePreparsedData(AsPreparsed(preparsed)); }

bool SetupApiHidBus::SetFeature(HidHandle handle, std::span<const uint8_t> report) {
  std::vector<uint8_t> copy(report.begin(), report.end());  // the call takes a writable buffer
  return HidD_SetFeature(AsHandle(handle), copy.data(), static_cast<ULONG>(copy.size())) != FALSE;
}

bool SetupApiHidBus::GetFeature(HidHandle handle, std::span<uint8_t> report) {
  return HidD_GetFeature(AsHandle(handle), report.data(), static_cast<ULONG>(report.size())) != FALSE;
}

}  // namespace qv::win
