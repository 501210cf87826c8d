#pragma once
// The small services the core asks of the platform. The Win32 layer implements them with
// the real system calls; native tests use recording fakes.
#include <cstdint>
#include <string_view>

namespace qv {

// A modal message box with an OK button on the main window. An empty caption stands for
// the application's title (the executable's name without its extension).
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(std::u16string_view text, std::u16string_view caption) = 0;
};

// A fixed pause of the protocol. Real in the product, recorded in unit tests.
class Pause {
 public:
  virtual ~Pause() = default;
  virtual void Sleep(uint32_t milliseconds) = 0;
};

// What the shell does for the core: tray notices (sent as WM_USER+2 to the main window,
// so they are shown before the caller goes on) and hiding the main window.
class ShellActions {
 public:
  virtual ~ShellActions() = default;
  virtual void SendNotice(uint32_t kind, int64_t value) = 0;
  virtual void HideMainWindow() = 0;
  // A mouse that arrived, or another one, has been read completely: its memory becomes what
  // Cancel returns to, and the page shows it unless the user's edits are waiting to be
  // applied. Answers the notice kind that tells the user which (model/notice_kinds.h).
  virtual uint32_t ShowMouseSettings() = 0;
};

// One lock for every process that talks to the mouse (the tray program and qv318ctl), held
// for a whole read, write or read-modify-write, so that two programs never interleave their
// transfers. Acquire waits at most kTransferLockWaitMs.
inline constexpr uint32_t kTransferLockWaitMs = 10000;

enum class LockWait {
  Free,       // taken at once
  AfterWait,  // taken after another program held it: the mouse may have changed meanwhile
  Busy,       // still held by another program after the bounded wait; not taken
};

class TransferLock {
 public:
  virtual ~TransferLock() = default;
  virtual LockWait Acquire() = 0;
  virtual void Release() = 0;
};

// Holds the lock for one scope when it was taken.
class TransferLockScope {
 public:
  explicit TransferLockScope(TransferLock& lock) : lock_(lock), wait_(lock.Acquire()) {}
  ~TransferLockScope() {
    if (wait_ != LockWait::Busy) lock_.Release();
  }
  TransferLockScope(const TransferLockScope&) = delete;
  TransferLockScope& operator=(const TransferLockScope&) = delete;
  LockWait Wait() const { return wait_; }
  bool Held() const { return wait_ != LockWait::Busy; }

 private:
  TransferLock& lock_;
  LockWait wait_;
};

// A process that is alone with the mouse (tests, a simulated mouse of its own).
class NoTransferLock final : public TransferLock {
 public:
  LockWait Acquire() override { return LockWait::Free; }
  void Release() override {}
};

// Optional debug trace for the diagnostic texts that are never shown to the user.
class DebugTrace {
 public:
  virtual ~DebugTrace() = default;
  virtual void Write(std::u16string_view text) = 0;
};

}  // namespace qv
