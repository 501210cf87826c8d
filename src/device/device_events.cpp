#include "device/device_events.h"

#include <algorithm>
#include <utility>

#include "device/mouse_identity.h"
#include "model/notice_kinds.h"

namespace qv {
namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// Interface names and paths spell the same interface in either case.
bool SameInterface(std::u16string_view a, std::u16string_view b) {
  return !a.empty() && std::equal(a.begin(), a.end(), b.begin(), b.end(),
                                  [](char16_t x, char16_t y) { return Upper(x) == Upper(y); });
}

bool Touches(const std::vector<std::u16string>& changed, const MouseIdentity& mouse) {
  return std::any_of(changed.begin(), changed.end(), [&](const std::u16string& name) {
    return SameInterface(name, mouse.command) || SameInterface(name, mouse.data);
  });
}

SettleResult LoseMouse(const DeviceContext& c, bool hide) {
  c.link.CloseChannels();
  c.state.connected = 0;
  c.state.imageComplete = false;
  c.shell.SendNotice(kNoticeMouseMissing, 0);
  if (hide) c.shell.HideMainWindow();
  return SettleResult::Lost;
}

// The channels are open: read all of the mouse's memory. A read cut short leaves nothing to
// write to and nothing to show: the mouse counts as missing.
bool ReadOpenMouse(const DeviceContext& c) {
  c.state.connected = 1;
  c.state.imageComplete = ReadMouseMemory(c.mouse, c.state, c.state.image);
  c.state.dpiSelector = c.state.image.DpiSelector();
  return c.state.imageComplete;
}

}  // namespace

bool NamesTheMouse(std::u16string_view name) {
  return name.find(kMouseNameMixedCase) != std::u16string_view::npos ||
         name.find(kMouseNameUpperCase) != std::u16string_view::npos;
}

SettleResult ConnectAtStartup(const DeviceContext& c) {
  const TransferLockScope lock(c.lock);
  if (!lock.Held()) return SettleResult::Busy;
  if (!c.link.OpenDevice() || !ReadOpenMouse(c)) return LoseMouse(c, false);
  return SettleResult::Connected;
}

bool DeviceWatch::Note(const DeviceChange& change) {
  if (change.event != kDeviceArrival && change.event != kDeviceRemoveComplete) return false;
  if (change.deviceType != kDeviceTypeInterface || !NamesTheMouse(change.interfaceName)) return false;
  changed_.emplace_back(change.interfaceName);
  return true;
}

SettleResult DeviceWatch::Settle(const DeviceContext& context) {
  if (busy_) {
    due_ = true;
    return SettleResult::Deferred;
  }
  busy_ = true;
  const SettleResult result = SettleNow(context);
  busy_ = false;
  return result;
}

SettleResult DeviceWatch::SettleNow(const DeviceContext& c) {
  const TransferLockScope lock(c.lock);
  if (!lock.Held()) return SettleResult::Busy;  // the changes stay noted for the next try
  const std::vector<std::u16string> changed = std::exchange(changed_, {});
  const bool wasConnected = c.state.connected != 0;
  const MouseIdentity before = c.link.Identity();
  const bool wasRead = c.state.imageComplete;
  if (!c.link.OpenDevice()) {
    if (!wasConnected) return SettleResult::Absent;
    return LoseMouse(c, true);
  }
  // Another unit plugged or pulled, or a device of another kind with the mouse's ids: the
  // mouse open is still the one whose memory was read, unless another program may have
  // written to it while it held the lock.
  if (wasConnected && wasRead && c.link.Identity() == before && !Touches(changed, before) &&
      lock.Wait() == LockWait::Free) {
    c.state.imageComplete = true;
    return SettleResult::Unchanged;
  }
  if (!ReadOpenMouse(c)) return LoseMouse(c, true);
  c.shell.SendNotice(c.shell.ShowMouseSettings(), 0);
  return SettleResult::Connected;
}

}  // namespace qv
