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
  bool ready = true;  // start-up over, no transfer running
};

class TrayCallback : public testing::TestWithParam<TrayCase> {};

TEST_P(TrayCallback, DecidesTheReactionAndConsumesTheCancelFlagOnlyWhenShowing) {
  const TrayCase& c = GetParam();
  int cancelPending = c.cancelPending;
  const TrayDecision decision = DecideTrayCallback(c.message, c.connected, cancelPending, c.page, c.ready);
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
        TrayCase{"RightDownIgnored", 0x204, 0, 0, P::MustPaint, R::Ignore, false, false, 0},
        // A start-up message box (or a transfer's) is up: the click waits, nothing is built.
        TrayCase{"ClickBeforeReadyWaits", kTrayLeftUp, 1, 1, P::MustPaint, R::Defer, false, false, 1, false},
        TrayCase{"ClickWithoutMouseBeforeReadyWaits", kTrayLeftUp, 0, 0, P::MustPaint, R::Defer, false, false, 0, false},
        TrayCase{"MenuBeforeReadyOpens", kTrayRightUp, 0, 0, P::MustPaint, R::OpenMenu, false, false, 0, false}),
    [](const testing::TestParamInfo<TrayCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace qv
