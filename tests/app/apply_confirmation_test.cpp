#include "app/apply_confirmation.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace qv {
namespace {

TEST(ApplyConfirmation, OnlyATakenApplyIsConfirmedInTheLanguageShown) {
  const auto taken = ApplyConfirmation(true, Language::TraditionalChinese);
  ASSERT_TRUE(taken.has_value());
  EXPECT_EQ(ToUtf8(taken->text), "滑鼠已接受您的設定。");
  EXPECT_EQ(ToUtf8(taken->title), "提示");
  EXPECT_GE(taken->timeoutMs, 1000u);  // long enough to be read, unlike the plug notices
  // A failure has had its message box already: a balloon would be a second message.
  EXPECT_FALSE(ApplyConfirmation(false, Language::English).has_value());
}

}  // namespace
}  // namespace qv
