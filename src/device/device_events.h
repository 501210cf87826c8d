#pragma once
// Connecting at start-up and following the mouse through WM_DEVICECHANGE, decided in the
// core. A plug or an unplug brings a burst of notifications whose number depends on the
// device, the system and whatever else is plugged at the same time, so none is counted: the
// Win32 handler notes each one and (re)starts a short timer, and when the burst is over the
// watch looks at what is present and compares the mouse it finds with the one open.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/platform.h"
#include "config/mouse_link.h"
#include "device/device_change.h"
#include "device/device_link.h"
#include "model/app_state.h"

namespace qv {

// How long after the last notification of a burst the watch settles.
inline constexpr uint32_t kDeviceSettleMs = 400;

// Everything the connection decisions act on.
struct DeviceContext {
  DeviceLink& link;
  MouseLink& mouse;
  AppState& state;
  ShellActions& shell;
  TransferLock& lock;
};

enum class SettleResult {
  Unchanged,  // the mouse open is the one that was open, and none of its collections came or went
  Connected,  // a mouse was opened (another one, or the same again) and read completely
  Lost,       // the mouse is gone or its read was cut short: notice 15, window hidden
  Absent,     // no mouse before and no complete one now (a plug still under way): nothing said
  Deferred,   // another operation on the link runs: settled when it ends
  Busy,       // another program held the mouse past the bounded wait: settle again later
};

// True when the interface name contains "Vid_04d9&Pid_a09e" or "VID_04D9&PID_A09E".
bool NamesTheMouse(std::u16string_view interfaceName);

// Start-up: opens the mouse and reads all of its memory, or sends the notice that it is
// missing; a read cut short means a missing mouse too. Busy when another program held the
// mouse past the bounded wait (nothing said: settle later).
SettleResult ConnectAtStartup(const DeviceContext& context);

class DeviceWatch {
 public:
  // One WM_DEVICECHANGE. True when it is an arrival or removal of an interface naming the
  // mouse: the caller (re)starts the settle timer.
  bool Note(const DeviceChange& change);

  // The timer ran out: act on what is present now.
  SettleResult Settle(const DeviceContext& context);

  // Runs one operation on the link (the start-up read, Apply). A message box of the
  // operation runs its own message loop, where the settle timer may run out: settling then
  // would close the channels under the operation, so it waits. Answers true when a settle
  // fell due meanwhile: the caller starts the timer again.
  template <typename Operation>
  bool Run(Operation&& operation) {
    if (busy_) {  // nested: the outermost run reports what fell due
      operation();
      return false;
    }
    busy_ = true;
    operation();
    busy_ = false;
    return std::exchange(due_, false);
  }

  bool Busy() const { return busy_; }

 private:
  SettleResult SettleNow(const DeviceContext& context);

  bool busy_ = false;
  bool due_ = false;
  std::vector<std::u16string> changed_;  // interfaces that came or went since the last settle
};

}  // namespace qv
