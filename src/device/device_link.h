#pragma once
// The process-wide link to the mouse: which HID collections are open as its command and
// data channels, their report lengths, and the counter of device notifications that name
// it. One instance, owned by the application, living as long as the bus it was given.
#include <cstdint>
#include <string>

#include "common/platform.h"
#include "device/hid_bus.h"
#include "device/hid_owners.h"
#include "model/app_state.h"

namespace qv {

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

  // Counts one device notification naming the mouse; true on every fourth, when the count
  // starts again at 0. Arrivals and removals share the count.
  bool CountMouseNotification();
  uint8_t ArrivalCounter() const { return arrivalCounter_; }

  HidBus& Bus() { return bus_; }
  HidHandle CommandChannel() const { return command_.Get(); }
  HidHandle DataChannel() const { return data_.Get(); }
  uint16_t CommandLength() const { return commandLength_; }
  uint16_t DataLength() const { return dataLength_; }
  uint16_t InputLength() const { return inputLength_; }
  const std::u16string& DevicePath() const { return devicePath_; }
  // The physical device the open channels belong to (HidInterface::device).
  const std::u16string& Device() const { return device_; }

 private:
  enum class Step { Continue, Fail };
  Step ExamineCollection(const std::u16string& device);
  bool BelongsToOtherMouse(const std::u16string& device) const;
  Step OpenChannel(HidHandleOwner& channel, uint32_t attributes, uint16_t length, const HidCaps& caps,
                   uint16_t& storedLength, const std::u16string& device);
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
  std::u16string device_;
  uint8_t arrivalCounter_ = 0;
};

}  // namespace qv
