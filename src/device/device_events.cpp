#include "device/device_events.h"

#include <utility>

#include "device/mouse_identity.h"
#include "model/notice_kinds.h"

namespace qv {
namespace {

void ReadConfiguration(const DeviceContext& c) {
  c.state.imageComplete = ReadMouseMemory(c.mouse, c.state, c.state.image);
  c.state.dpiSelector = c.state.image.DpiSelector();
}

DeviceChangeResult LoseMouse(const DeviceContext& c) {
  c.shell.SendNotice(kNoticeMouseMissing, 0);
  c.shell.HideMainWindow();
  c.state.connected = 0;
  return DeviceChangeResult::Disconnected;
}

}  // namespace

bool NamesTheMouse(std::u16string_view name) {
  return name.find(kMouseNameMixedCase) != std::u16string_view::npos ||
         name.find(kMouseNameUpperCase) != std::u16string_view::npos;
}

bool ConnectAtStartup(const DeviceContext& c) {
  if (!c.link.OpenDevice()) {
    c.shell.SendNotice(kNoticeMouseMissing, 0);
    c.state.connected = 0;
    return false;
  }
  c.state.connected = 1;
  ReadConfiguration(c);
  return true;
}

DeviceChangeResult HandleDeviceChange(const DeviceContext& c, const DeviceChange& change) {
  const bool arrival = change.event == kDeviceArrival;
  if (!arrival && change.event != kDeviceRemoveComplete) return DeviceChangeResult::Ignored;
  if (change.deviceType != kDeviceTypeInterface || !NamesTheMouse(change.interfaceName)) {
    return DeviceChangeResult::Ignored;
  }
  if (!c.link.CountMouseNotification()) return DeviceChangeResult::Counted;
  if (!c.link.OpenDevice()) return LoseMouse(c);
  c.state.connected = 1;
  if (arrival) {
    c.shell.SendNotice(kNoticeMouseFound, 0);
    ReadConfiguration(c);
    if (c.state.imageComplete) c.shell.ShowMouseSettings();
  }
  return DeviceChangeResult::Connected;
}

DeviceChangeResult DeviceChangeGate::Handle(const DeviceContext& context, const DeviceChange& change) {
  if (busy_) {
    held_.push_back({change.event, change.deviceType, std::u16string(change.interfaceName)});
    return DeviceChangeResult::Deferred;
  }
  DeviceChangeResult result = DeviceChangeResult::Ignored;
  Run(context, [&] { result = HandleDeviceChange(context, change); });
  return result;
}

void DeviceChangeGate::HandleHeldBack(const DeviceContext& context) {
  while (!held_.empty()) {
    const HeldChange next = std::move(held_.front());
    held_.pop_front();
    busy_ = true;
    HandleDeviceChange(context, DeviceChange{next.event, next.deviceType, next.interfaceName});
    busy_ = false;
  }
}

}  // namespace qv
