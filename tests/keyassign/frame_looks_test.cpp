#include "keyassign/frame_looks.h"

#include <gtest/gtest.h>

#include "ui/page_fakes.h"

namespace qv {
namespace {

using test::Call;
using test::CallKind;
using test::PageLog;
namespace frame = layout::dialog;
const FrameLook kLook{u"OK", u"Cancel", Rgb{1, 2, 3}, u"Title"};

// The images drawn since the last call, as (name, left) pairs.
std::vector<std::pair<std::u16string, int>> TakeImages(PageLog& log) {
  std::vector<std::pair<std::u16string, int>> images;
  for (const Call& call : log.Of(CallKind::Image)) images.emplace_back(call.what, call.rect.left);
  log.calls.clear();
  return images;
}

TEST(FrameHover, OkHandsItsLookToCancelAndMovingOffAllButtonsRestoresThem) {
  PageLog log;
  FrameHover hover;
  const auto in = [](const layout::Rect& r) { return std::pair{r.left + 3, r.top + 3}; };
  using Images = std::vector<std::pair<std::u16string, int>>;

  EXPECT_EQ(hover.OnMove(in(frame::kOk).first, in(frame::kOk).second), MoveAnswer::Track);
  hover.OnHover(in(frame::kOk).first, in(frame::kOk).second, log, kLook);
  EXPECT_EQ(TakeImages(log), (Images{{u"/button-over.png", frame::kOk.left}}));

  // Straight onto Cancel: OK is drawn normal again, then Cancel takes the look.
  EXPECT_EQ(hover.OnMove(in(frame::kCancel).first, in(frame::kCancel).second), MoveAnswer::RestoreAndTrack);
  hover.OnHover(in(frame::kCancel).first, in(frame::kCancel).second, log, kLook);
  EXPECT_EQ(TakeImages(log),
            (Images{{u"/button-normal.png", frame::kOk.left}, {u"/button-over.png", frame::kCancel.left}}));
  EXPECT_TRUE(hover.Hovered(FrameButton::Cancel));
  EXPECT_FALSE(hover.Hovered(FrameButton::Ok));

  hover.OnHover(in(frame::kClose).first, in(frame::kClose).second, log, kLook);
  EXPECT_EQ(TakeImages(log), (Images{{u"/button-normal.png", frame::kCancel.left},
                                     {u"/button-close-over.png", frame::kClose.left}}));

  // Off every button (or out of the window): the look goes back, and then there is nothing to do.
  ASSERT_EQ(hover.OnMove(10, 100), MoveAnswer::RestoreLooks);
  hover.RestoreNormal(log, kLook);
  EXPECT_EQ(TakeImages(log), (Images{{u"/button-close-normal.png", frame::kClose.left}}));
  EXPECT_EQ(hover.OnMove(10, 100), MoveAnswer::Nothing);

  // A hover away from the buttons (the pointer left before it fired) draws nothing.
  hover.OnHover(10, 100, log, kLook);
  EXPECT_TRUE(log.calls.empty());
}

// A list box fills its entries with the background colour: left at the default white, the
// white entries of every list but the fire key dialog's vanished.
TEST(SubDialogColours, EveryListFillsItsEntriesDarkUnderWhiteText) {
  for (const bool darkFields : {false, true}) {
    const ControlColours list = SubDialogColours(ControlKind::ListBox, darkFields);
    EXPECT_EQ(list.text, (Rgb{255, 255, 255})) << darkFields;
    EXPECT_EQ(list.background, kSubDialogDark) << darkFields;
    EXPECT_EQ(list.brush, kSubDialogDark) << darkFields;
  }
}

}  // namespace
}  // namespace qv
