#include "device/linux/hidraw_hid_bus.h"

#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "common/text.h"
#include "device/linux/report_descriptor.h"
#include "device/mouse_identity.h"

namespace qv::linux_hid {
namespace {

// "HID_ID=0003:000004D9:0000A09E" in the node's device/uevent: bus, vendor, product.
bool UeventNamesTheMouse(const std::string& uevent) {
  const size_t at = uevent.find("HID_ID=");
  if (at == std::string::npos) return false;
  unsigned bus = 0, vendor = 0, product = 0;
  if (std::sscanf(uevent.c_str() + at, "HID_ID=%x:%x:%x", &bus, &vendor, &product) != 3) return false;
  return vendor == kMouseVendorId && product == kMouseProductId;
}

// hidraw0 < hidraw2 < hidraw10, as the kernel numbers them.
bool NodeOrder(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool IsConfigurationCollection(const HidCaps& caps) {
  return caps.usagePage == kGenericDesktopPage &&
         ((caps.usage == kDataChannelUsage && caps.featureReportByteLength == kDataChannelFeatureLength) ||
          (caps.usage == kCommandChannelUsage && caps.featureReportByteLength == kCommandChannelFeatureLength));
}

int Fd(HidHandle handle) { return static_cast<int>(handle); }

// A hidraw node's device is a HID device below a USB interface below the USB device:
// ".../usb1/1-2/1-2:1.0/0003:04D9:A09E.0001" leads to ".../usb1/1-2", shared by the
// mouse's two interfaces. Other buses keep whatever lies two levels up.
std::string PhysicalDevice(const std::string& hidDevice) {
  std::string path = hidDevice;
  for (int level = 0; level < 2; ++level) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) return hidDevice;
    path.resize(slash);
  }
  return path;
}

}  // namespace

HidrawHidBus::HidrawHidBus(std::unique_ptr<HidrawSystem> system) : system_(std::move(system)) {}

bool HidrawHidBus::BeginEnumeration() {
  nodes_.clear();
  denied_.reset();
  std::vector<std::string> names = system_->ListDirectory(kSysClassHidraw);
  std::sort(names.begin(), names.end(), NodeOrder);
  for (const std::string& name : names) {
    const std::string device = std::string(kSysClassHidraw) + "/" + name + "/device";
    const auto uevent = system_->ReadFile(device + "/uevent");
    if (!uevent || !UeventNamesTheMouse(*uevent)) continue;
    const std::optional<std::string> resolved = system_->RealPath(device);
    nodes_.push_back({std::string(kDevDirectory) + "/" + name, resolved ? PhysicalDevice(*resolved) : std::string()});
  }
  return true;
}

HidInterface HidrawHidBus::EnumerateInterface(uint32_t memberIndex) {
  if (memberIndex >= nodes_.size()) return HidInterface{};
  const Node& node = nodes_[memberIndex];
  return {HidEnumStatus::Found, FromUtf8(node.path), FromUtf8(node.device)};
}

void HidrawHidBus::EndEnumeration() { nodes_.clear(); }

HidOpenResult HidrawHidBus::Open(const std::u16string& path, uint32_t, uint32_t) {
  const std::string node = ToUtf8(path);
  int error = 0;
  const int fd = system_->Open(node, error);
  if (fd < 0) {
    if ((error == EACCES || error == EPERM) && !denied_) denied_ = node;
    return {kInvalidHidHandle, static_cast<uint32_t>(error)};
  }
  return {static_cast<HidHandle>(fd), 0};
}

void HidrawHidBus::Close(HidHandle handle) { system_->Close(Fd(handle)); }

bool HidrawHidBus::GetAttributes(HidHandle handle, HidAttributes& attributes) {
  hidraw_devinfo info{};
  if (system_->Ioctl(Fd(handle), HIDIOCGRAWINFO, &info) < 0) return false;
  attributes.vendorId = static_cast<uint16_t>(info.vendor);
  attributes.productId = static_cast<uint16_t>(info.product);
  return true;
}

HidPreparsed HidrawHidBus::GetPreparsedData(HidHandle handle) {
  int size = 0;
  if (system_->Ioctl(Fd(handle), HIDIOCGRDESCSIZE, &size) < 0 || size < 0 || size > HID_MAX_DESCRIPTOR_SIZE) {
    return kNoPreparsed;
  }
  hidraw_report_descriptor descriptor{};
  descriptor.size = static_cast<uint32_t>(size);
  if (system_->Ioctl(Fd(handle), HIDIOCGRDESC, &descriptor) < 0) return kNoPreparsed;
  const std::vector<HidCaps> collections =
      TopLevelCollections(std::span<const uint8_t>(descriptor.value, descriptor.size));
  const auto ours = std::find_if(collections.begin(), collections.end(), IsConfigurationCollection);
  HidCaps caps;
  if (ours != collections.end()) {
    caps = *ours;
  } else if (!collections.empty()) {
    caps = collections.front();
  }
  const HidPreparsed token = nextPreparsed_++;
  preparsed_[token] = caps;
  return token;
}

HidCapsStatus HidrawHidBus::GetCaps(HidPreparsed preparsed, HidCaps& caps) {
  const auto found = preparsed_.find(preparsed);
  if (found == preparsed_.end()) return HidCapsStatus::InvalidPreparsedData;
  caps = found->second;
  return HidCapsStatus::Success;
}

void HidrawHidBus::FreePreparsedData(HidPreparsed preparsed) { preparsed_.erase(preparsed); }

bool HidrawHidBus::SetFeature(HidHandle handle, std::span<const uint8_t> report) {
  std::vector<uint8_t> buffer(report.begin(), report.end());  // the ioctl takes a writable buffer
  const int sent = system_->Ioctl(Fd(handle), HIDIOCSFEATURE(buffer.size()), buffer.data());
  return sent == static_cast<int>(buffer.size());
}

bool HidrawHidBus::GetFeature(HidHandle handle, std::span<uint8_t> report) {
  return system_->Ioctl(Fd(handle), HIDIOCGFEATURE(report.size()), report.data()) > 0;
}

std::string PermissionDeniedText(const std::string& node) {
  return "Permission denied opening " + node + ": install the udev rule " + kUdevRulePath +
         " (shipped with qv318ctl in resources/linux/70-qv318.rules), then unplug and replug the mouse.";
}

}  // namespace qv::linux_hid
