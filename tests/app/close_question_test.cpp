#include "app/close_question.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(HasUnappliedEdits, AnyChangedSettingCountsButNotWhichModeThePageShows) {
  AppState state;
  state.record.bytes[uirec::kReportRate] = 8;
  state.savedCopy = state.record;
  EXPECT_FALSE(HasUnappliedEdits(state));
  state.record.bytes[uirec::kShownMode] = 1;
  EXPECT_FALSE(HasUnappliedEdits(state)) << "Mode B shown is a view";
  state.record.bytes[uirec::kReportRate] = 1;
  EXPECT_TRUE(HasUnappliedEdits(state));
}

}  // namespace
}  // namespace qv
