#include "app/tray_logic.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct TrayCase {
  const char* name;
  uint32_t message;
  int connected;
  int cancelPending;
  PageState page;
  TrayReaction reaction;
  bool rebuild;
  bool paint;
  int cancelPendingAfter;
};

class TrayCallback : public testing::TestWithParam<TrayCase> {};

TEST_P(TrayCallback, DecidesTheReactionAndConsumesTheCancelFlagOnlyWhenShowing) {
  const TrayCase& c = GetParam();
  int cancelPending = c.cancelPending;
  const TrayDecision decision = DecideTrayCallback(c.message, c.connected, cancelPending, c.page);
  EXPECT_EQ(decision.reaction, c.reaction);
  EXPECT_EQ(decision.rebuildPage, c.rebuild);
  EXPECT_EQ(decision.paintPage, c.paint);
  EXPECT_EQ(cancelPending, c.cancelPendingAfter);
}

using R = TrayReaction;
using P = PageState;

INSTANTIATE_TEST_SUITE_P(
    Cases, TrayCallback,
    testing::Values(
        TrayCase{"LeftUpWithoutMouse", kTrayLeftUp, 0, 1, P::Shown, R::NoticeMouseMissing, false, false, 1},
        TrayCase{"DoubleClickWithoutMouse", kTrayLeftDoubleClick, 0, 0, P::MustPaint, R::NoticeMouseMissing, false, false, 0},
        TrayCase{"FirstShowPaints", kTrayLeftUp, 1, 0, P::MustPaint, R::ShowWindow, false, true, 0},
        TrayCase{"LaterShowJustShows", kTrayLeftUp, 1, 0, P::Shown, R::ShowWindow, false, false, 0},
        TrayCase{"DoubleClickShows", kTrayLeftDoubleClick, 1, 0, P::Shown, R::ShowWindow, false, false, 0},
        TrayCase{"ShowAfterCancelRebuildsShownPage", kTrayLeftUp, 1, 1, P::Shown, R::ShowWindow, true, false, 0},
        // The flag is consumed even when there is no page to rebuild, and nothing is painted.
        TrayCase{"ShowAfterCancelWithoutPage", kTrayLeftUp, 1, 1, P::MustPaint, R::ShowWindow, false, false, 0},
        TrayCase{"RightUpOpensMenuConnectedOrNot", kTrayRightUp, 0, 1, P::Shown, R::OpenMenu, false, false, 1},
        TrayCase{"MouseMoveIgnored", kTrayMouseMove, 1, 1, P::MustPaint, R::Ignore, false, false, 1},
        TrayCase{"LeftDownIgnored", 0x201, 1, 0, P::MustPaint, R::Ignore, false, false, 0},
        TrayCase{"RightDownIgnored", 0x204, 0, 0, P::MustPaint, R::Ignore, false, false, 0}),
    [](const testing::TestParamInfo<TrayCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace qv
