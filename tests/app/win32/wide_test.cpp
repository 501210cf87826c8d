#include "common/win32/wide.h"

#include <gtest/gtest.h>

namespace qv::win {
namespace {

TEST(ModulePath, NamesTheRunningExecutable) {
  const std::u16string path = ModulePath();
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), u".exe");
  EXPECT_NE(path.find(u'\\'), std::u16string::npos);
}

}  // namespace
}  // namespace qv::win
