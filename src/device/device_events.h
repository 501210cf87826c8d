#pragma once
// Connecting at start-up and following the mouse through WM_DEVICECHANGE, decided in the
// core. The Win32 handler unpacks the broadcast into a DeviceChange, calls
// HandleDeviceChange and answers TRUE whatever the result.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "common/platform.h"
#include "config/mouse_link.h"
#include "device/device_change.h"
#include "device/device_link.h"
#include "model/app_state.h"

namespace qv {

// Everything the connection decisions act on.
struct DeviceContext {
  DeviceLink& link;
  MouseLink& mouse;
  AppState& state;
  ShellActions& shell;
};

enum class DeviceChangeResult {
  Ignored,       // not an arrival or removal of an interface naming the mouse
  Counted,       // counted, not yet the fourth
  Connected,     // acted: the mouse is open (read as well after an arrival)
  Disconnected,  // acted: the mouse could not be opened; notice 15 sent, window hidden
  Deferred,      // arrived during another operation on the link; handled when it ends
};

// True when the interface name contains "Vid_04d9&Pid_a09e" or "VID_04D9&PID_A09E".
bool NamesTheMouse(std::u16string_view interfaceName);

// Start-up: opens the mouse and reads its configuration, or sends the notice that it is
// missing. Answers the connected flag.
bool ConnectAtStartup(const DeviceContext& context);

DeviceChangeResult HandleDeviceChange(const DeviceContext& context, const DeviceChange& change);

// A message box of the open or of a transfer runs its own message loop, where the next
// WM_DEVICECHANGE is dispatched; re-opening the mouse there would close the channels under
// the operation in progress. The gate keeps such changes and handles them, in their order,
// when the operation ends.
class DeviceChangeGate {
 public:
  DeviceChangeResult Handle(const DeviceContext& context, const DeviceChange& change);

  // Runs one operation on the link (the start-up read, Apply) with changes held back.
  template <typename Operation>
  void Run(const DeviceContext& context, Operation&& operation) {
    if (busy_) {  // nested: the outermost run handles what was held back
      operation();
      return;
    }
    busy_ = true;
    operation();
    busy_ = false;
    HandleHeldBack(context);
  }

  bool Busy() const { return busy_; }

 private:
  struct HeldChange {
    uint32_t event;
    uint32_t deviceType;
    std::u16string interfaceName;  // the broadcast's own memory is gone by then
  };
  void HandleHeldBack(const DeviceContext& context);

  bool busy_ = false;
  std::deque<HeldChange> held_;
};

}  // namespace qv
