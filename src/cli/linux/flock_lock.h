#pragma once
// The transfer lock among qv318ctl processes on Linux: flock on one file that every user can
// open, so that two commands never interleave their transfers.
#include <cstdint>
#include <string>

#include "common/platform.h"

namespace qv::cli {

// /run/lock when the system has it (cleared at boot), otherwise /tmp.
inline constexpr const char* kTransferLockPath = "/run/lock/qv318ctl.lock";
inline constexpr const char* kFallbackTransferLockPath = "/tmp/qv318ctl.lock";

class FlockTransferLock final : public TransferLock {
 public:
  explicit FlockTransferLock(std::string path, uint32_t waitMs = kTransferLockWaitMs);
  ~FlockTransferLock() override;
  FlockTransferLock(const FlockTransferLock&) = delete;
  FlockTransferLock& operator=(const FlockTransferLock&) = delete;

  // Without a file to lock (no folder may hold it) every Acquire answers Free.
  LockWait Acquire() override;
  void Release() override;

 private:
  int descriptor_ = -1;
  uint32_t waitMs_;
};

}  // namespace qv::cli
