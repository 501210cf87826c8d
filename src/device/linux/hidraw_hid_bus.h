#pragma once
// The HID bus of the Linux build over hidraw. A hidraw node is one USB interface; the mouse
// keeps its two configuration collections on interfaces of their own (one of them has no
// report ids, which one descriptor cannot mix with numbered reports), so a node's caps are
// those of its configuration collection when it has one, otherwise its first collection.
//
// Only the nodes sysfs names as the mouse are listed: other devices are usually readable
// by root alone and are never opened.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_bus.h"
#include "device/linux/hidraw_system.h"

namespace qv::linux_hid {

class HidrawHidBus final : public HidBus {
 public:
  explicit HidrawHidBus(std::unique_ptr<HidrawSystem> system);

  bool BeginEnumeration() override;
  HidInterface EnumerateInterface(uint32_t memberIndex) override;
  void EndEnumeration() override;
  HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) override;
  void Close(HidHandle handle) override;
  bool GetAttributes(HidHandle handle, HidAttributes& attributes) override;
  HidPreparsed GetPreparsedData(HidHandle handle) override;
  HidCapsStatus GetCaps(HidPreparsed preparsed, HidCaps& caps) override;
  void FreePreparsedData(HidPreparsed preparsed) override;
  bool SetFeature(HidHandle handle, std::span<const uint8_t> report) override;
  bool GetFeature(HidHandle handle, std::span<uint8_t> report) override;

  // The first node of the last enumeration whose open was refused for lack of permission.
  const std::optional<std::string>& DeniedNode() const { return denied_; }

 private:
  std::unique_ptr<HidrawSystem> system_;
  struct Node {
    std::string path;    // in /dev
    std::string device;  // the USB device in sysfs
  };
  std::vector<Node> nodes_;
  std::map<HidPreparsed, HidCaps> preparsed_;
  HidPreparsed nextPreparsed_ = 1;
  std::optional<std::string> denied_;
};

// The sentence that tells a user without access what to do.
std::string PermissionDeniedText(const std::string& node);

// The udev rule installed with the program.
inline constexpr char kUdevRulePath[] = "/usr/lib/udev/rules.d/70-qv318.rules";

}  // namespace qv::linux_hid
