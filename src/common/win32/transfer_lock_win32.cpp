#include "common/win32/transfer_lock_win32.h"

#include <sddl.h>

namespace qv::win {
namespace {

// The tray program runs elevated and qv318ctl.exe need not: everyone may wait on and release
// the mutex, also at the lowest integrity level, or the elevated program's default
// protection would shut the command line out.
constexpr wchar_t kOpenToEveryone[] = L"D:(A;;GA;;;WD)S:(ML;;NW;;;LW)";

HANDLE CreateOpenMutex() {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), nullptr, FALSE};
  if (ConvertStringSecurityDescriptorToSecurityDescriptorW(kOpenToEveryone, SDDL_REVISION_1, &descriptor, nullptr)) {
    attributes.lpSecurityDescriptor = descriptor;
  }
  HANDLE mutex = CreateMutexW(&attributes, FALSE, kTransferMutexName);
  if (descriptor != nullptr) LocalFree(descriptor);
  // One made by an older copy without that protection opens for waiting all the same.
  if (mutex == nullptr) mutex = OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kTransferMutexName);
  return mutex;
}

}  // namespace

Win32TransferLock::Win32TransferLock() : mutex_(CreateOpenMutex()) {}

LockWait Win32TransferLock::Acquire() {
  if (!mutex_) return LockWait::Free;  // no mutex to be had: alone as before
  switch (WaitForSingleObject(mutex_.get(), 0)) {
    case WAIT_OBJECT_0: return LockWait::Free;
    case WAIT_ABANDONED: return LockWait::AfterWait;
    default: break;
  }
  switch (WaitForSingleObject(mutex_.get(), kTransferLockWaitMs)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED: return LockWait::AfterWait;
    default: return LockWait::Busy;
  }
}

void Win32TransferLock::Release() {
  if (mutex_) ReleaseMutex(mutex_.get());
}

}  // namespace qv::win
