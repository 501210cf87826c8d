#pragma once
// The process-wide link to the mouse: which HID collections are open as its command and
// data channels and their report lengths. One instance, owned by the application, living as
// long as the bus it was given.
#include <cstdint>
#include <string>

#include "common/platform.h"
#include "device/hid_bus.h"
#include "device/hid_owners.h"
#include "model/app_state.h"

namespace qv {

// Which mouse the channels are open on: its physical device (empty when the system cannot
// tell) and the paths of the two collections. Two units of the model differ at least in
// their paths.
struct MouseIdentity {
  std::u16string device;
  std::u16string command;
  std::u16string data;
  bool operator==(const MouseIdentity&) const = default;
};

class DeviceLink {
 public:
  // `trace` receives the diagnostic texts; null sends them nowhere. `boxes` shows the one
  // failure the user sees ("CreateFile Error Code:%d", caption = application title).
  DeviceLink(HidBus& bus, AppState& state, MessageBoxes& boxes, DebugTrace* trace = nullptr);
  ~DeviceLink() { CloseChannels(); }
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // Enumerates the HID interfaces, probes each with access 0 and opens the mouse's
  // keyboard collection as the command channel and its mouse collection as the data
  // channel, both of one physical device (the first whose channel is found). An interface
  // that cannot be probed is passed over. True when both are open (the connected flag is
  // then 1). Handles of an earlier connection are closed first, and a failed open leaves no
  // channel open.
  bool OpenDevice();

  // Closes the open channels, the command channel first. Called at program end.
  void CloseChannels();

  // The mouse the channels are open on; empty fields when none is.
  const MouseIdentity& Identity() const { return identity_; }

  HidBus& Bus() { return bus_; }
  HidHandle CommandChannel() const { return command_.Get(); }
  HidHandle DataChannel() const { return data_.Get(); }
  uint16_t CommandLength() const { return commandLength_; }
  uint16_t DataLength() const { return dataLength_; }
  uint16_t InputLength() const { return inputLength_; }
  const std::u16string& DevicePath() const { return devicePath_; }
  // The physical device the open channels belong to (HidInterface::device).
  const std::u16string& Device() const { return identity_.device; }

 private:
  enum class Step { Continue, Fail };
  Step ExamineCollection(const std::u16string& device);
  bool BelongsToOtherMouse(const std::u16string& device) const;
  Step OpenChannel(HidHandleOwner& channel, uint32_t attributes, uint16_t length, const HidCaps& caps,
                   uint16_t& storedLength, const std::u16string& device, std::u16string& storedPath);
  bool BothChannelsOpen() const { return command_.IsOpen() && data_.IsOpen(); }
  bool Fail();
  void Trace(const std::u16string& text);

  HidBus& bus_;
  AppState& state_;
  MessageBoxes& boxes_;
  DebugTrace* trace_;

  HidHandleOwner probe_;
  HidHandleOwner data_;
  HidHandleOwner command_;
  uint16_t commandLength_ = 0;
  uint16_t dataLength_ = 0;
  uint16_t inputLength_ = 0;
  std::u16string devicePath_;
  MouseIdentity identity_;
};

}  // namespace qv
