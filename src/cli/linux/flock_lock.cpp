#include "cli/linux/flock_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace qv::cli {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);

// Another user's lock file opens for reading, which is all flock needs; it is made only when
// it is not there (a sticky /tmp refuses O_CREAT on another user's file).
int OpenLockFile(const std::string& path) {
  int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0 && errno == ENOENT) descriptor = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
  return descriptor;
}

}  // namespace

FlockTransferLock::FlockTransferLock(std::string path, uint32_t waitMs) : waitMs_(waitMs) {
  descriptor_ = OpenLockFile(path);
  if (descriptor_ < 0 && path == kTransferLockPath) descriptor_ = OpenLockFile(kFallbackTransferLockPath);
}

FlockTransferLock::~FlockTransferLock() {
  if (descriptor_ >= 0) close(descriptor_);
}

LockWait FlockTransferLock::Acquire() {
  if (descriptor_ < 0) return LockWait::Free;
  if (flock(descriptor_, LOCK_EX | LOCK_NB) == 0) return LockWait::Free;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs_);
  while (std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPollInterval);
    if (flock(descriptor_, LOCK_EX | LOCK_NB) == 0) return LockWait::AfterWait;
  }
  return LockWait::Busy;
}

void FlockTransferLock::Release() {
  if (descriptor_ >= 0) flock(descriptor_, LOCK_UN);
}

}  // namespace qv::cli
