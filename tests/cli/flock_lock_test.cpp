// The Linux transfer lock between two qv318ctl processes: flock locks belong to the open
// file, so two locks on one path in one process stand for two processes.
#include "cli/linux/flock_lock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace qv::cli {
namespace {

TEST(FlockTransferLock, TheSecondWaitsWithABoundAndTakesItOnceTheFirstLetsGo) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("qv318-lock-" + std::to_string(std::random_device{}()))).string();
  FlockTransferLock first(path);
  FlockTransferLock second(path, 60);
  ASSERT_EQ(first.Acquire(), LockWait::Free);
  EXPECT_EQ(second.Acquire(), LockWait::Busy);
  first.Release();
  EXPECT_EQ(second.Acquire(), LockWait::Free);
  second.Release();
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace qv::cli
