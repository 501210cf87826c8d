#pragma once
// The transfer lock of every process on this desktop that talks to the mouse: a named mutex
// that QV318_Driver.exe and qv318ctl.exe both take for a whole transfer sequence.
#include <windows.h>

#include "common/platform.h"
#include "common/win32/handles.h"

namespace qv::win {

inline constexpr wchar_t kTransferMutexName[] = L"QV318-207Transfer";

class Win32TransferLock final : public TransferLock {
 public:
  Win32TransferLock();
  // Waits at most kTransferLockWaitMs. A mutex abandoned by a process that ended while it
  // held it is taken, as after a wait: that process may have left the mouse half written.
  LockWait Acquire() override;
  void Release() override;

 private:
  UniqueHandle mutex_;
};

}  // namespace qv::win
