#include "device/device_events.h"

#include "app/notices.h"
#include "device/mouse_identity.h"

namespace qv {
namespace {

// The image is zeroed before the read so a failed read leaves nothing stale in it.
void ReadConfiguration(const DeviceContext& c) {
  c.state.scrambling = 1;
  c.state.image.Clear();
  c.state.imageComplete = c.mouse.ReadOperation(c.state.image);
  const uint8_t selector = c.state.image.DpiSelector();
  c.state.dpiSelector = selector;
  c.state.snipeDpiSelector = selector;
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
  if (arrival) {
    c.shell.SendNotice(kNoticeMouseFound, 0);
    ReadConfiguration(c);
  }
  c.state.connected = 1;
  return DeviceChangeResult::Connected;
}

}  // namespace qv
