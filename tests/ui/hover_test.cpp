#include "ui/hover.h"

#include <gtest/gtest.h>

#include "page_fakes.h"

namespace qv {
namespace {

using test::Call;
using test::CallKind;
using test::PageFixture;

TEST(PageMouseMove, TracksElementsAndRestoresOffThem) {
  struct Case {
    const char* what;
    int x, y;
    PageState state;
    bool anyFlag;
    MoveAnswer answer;
  };
  const Case cases[] = {
      {"OK", 600, 630, PageState::MustPaint, false, MoveAnswer::Track},
      {"Apply, lit already", 770, 630, PageState::Shown, true, MoveAnswer::Track},
      {"back, page not shown", 60, 70, PageState::MustPaint, true, MoveAnswer::RestoreAndTrack},
      {"Default, from Apply", 350, 555, PageState::Shown, true, MoveAnswer::RestoreAndTrack},
      {"key box 4", 300, 280, PageState::Shown, false, MoveAnswer::Track},
      {"Default, page not shown", 350, 555, PageState::MustPaint, true, MoveAnswer::RestoreLooks},
      {"key box 5", 300, 300, PageState::Shown, true, MoveAnswer::RestoreLooks},
      {"web address", 300, 640, PageState::Shown, true, MoveAnswer::RestoreLooks},
      {"background, nothing lit", 10, 300, PageState::Shown, false, MoveAnswer::Nothing},
  };
  for (const Case& c : cases) {
    PageSession session;
    session.state = c.state;
    session.hover[kHoverApply] = c.anyFlag;
    EXPECT_EQ(OnPageMouseMove(session, c.x, c.y), c.answer) << c.what;
  }
}

TEST(PageHover, FirstHitWinsAndOnlyTheShownPageOffersItsBoxes) {
  struct Case {
    int x, y;
    PageState state;
    std::optional<HoverItem> item;
  };
  const Case cases[] = {
      {666, 630, PageState::Shown, kHoverOk},  // OK and Apply share this column
      {770, 630, PageState::Shown, kHoverApply},
      {860, 10, PageState::Shown, kHoverClose},
      {350, 555, PageState::Shown, kHoverDefault},
      {350, 555, PageState::Rebuilding, std::nullopt},
      {300, 225, PageState::Shown, KeyBoxHover(2)},
      {300, 225, PageState::MustPaint, std::nullopt},
      {300, 300, PageState::Shown, std::nullopt},
  };
  for (const Case& c : cases) {
    PageSession session;
    session.state = c.state;
    EXPECT_EQ(HoverItemAt(session, c.x, c.y), c.item) << c.x << "," << c.y;
  }
}

// A look stays only while the pointer is over its element: whatever was lit goes back first.
TEST(PageHover, HighlightRestoresEveryOtherLookFirst) {
  PageFixture f;
  f.session.hover[kHoverOk] = true;
  f.session.hover[kHoverBack] = true;
  Highlight(f.page, kHoverApply, f.log);
  ASSERT_EQ(f.log.Of(CallKind::Image).size(), 3u);
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-normal.png", layout::kOkButton));
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-PrePage-normal.png", layout::kBackButton));
  EXPECT_EQ(f.log.Of(CallKind::Image).back().what, u"/button-over.png");
  EXPECT_NE(f.log.FindText(u"Apply"), nullptr);
  EXPECT_EQ(f.session.hover.count(), 1u);

  f.log.calls.clear();
  f.record[uirec::kShownMode] = 1;
  f.session.hover[KeyBoxHover(1)] = true;
  Highlight(f.page, KeyBoxHover(2), f.log);
  const std::vector<Call> images = f.log.Of(CallKind::Image);
  ASSERT_EQ(images.size(), 3u);
  EXPECT_TRUE(f.log.DrewImageAt(u"/DropdownBox-normal.png", layout::kKeyBoxes[0]));
  EXPECT_EQ(images.back().what, u"/DropdownBox-over.png");
  EXPECT_EQ(images.back().rect.top, layout::kKeyBoxes[1].top);
  EXPECT_NE(f.log.FindText(u"B2"), nullptr);
  EXPECT_EQ(f.session.hover.count(), 1u);
}

// Apply and Cancel touch, so the pointer crosses from one to the other without a move off
// the buttons that would restore the first: the hover on the second must restore it.
TEST(PageHover, MovingStraightBetweenApplyAndCancelLeavesOnlyTheNewOneLit) {
  struct Case {
    HoverItem from, to;
    layout::Rect fromRect, toRect;
  };
  const Case cases[] = {
      {kHoverApply, kHoverCancel, layout::kApplyButton, layout::kCancelButton},
      {kHoverCancel, kHoverApply, layout::kCancelButton, layout::kApplyButton},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from == kHoverApply ? "Apply to Cancel" : "Cancel to Apply");
    PageFixture f;
    f.session.state = PageState::Shown;
    f.session.hover[c.from] = true;
    const int x = (c.toRect.left + c.toRect.right) / 2, y = (c.toRect.top + c.toRect.bottom) / 2;
    ASSERT_EQ(OnPageMouseMove(f.session, x, y), MoveAnswer::RestoreAndTrack);
    ASSERT_EQ(HoverItemAt(f.session, x, y), c.to);
    Highlight(f.page, c.to, f.log);
    EXPECT_TRUE(f.log.DrewImageAt(u"/button-normal.png", c.fromRect));
    const std::vector<Call> images = f.log.Of(CallKind::Image);
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images.back().what, u"/button-over.png");
    EXPECT_EQ(images.back().rect.left, c.toRect.left);
    EXPECT_FALSE(f.session.hover[c.from]);
    EXPECT_TRUE(f.session.hover[c.to]);
  }
}

// Each element goes back onto the page under it first: the key box's image leaves its digit
// and the hover bar beside it clear, and a digit drawn again on itself would thicken.
TEST(PageHover, RestoringDrawsEveryLitElementNormalOnThePageUnderIt) {
  PageFixture f;
  f.session.state = PageState::Shown;
  for (HoverItem item : {kHoverCancel, kHoverSkins, KeyBoxHover(2), KeyBoxHover(3)}) f.session.hover[item] = true;
  RestoreNormalLooks(f.page, f.log);
  const std::vector<Call> images = f.log.Of(CallKind::Image);
  ASSERT_EQ(images.size(), 4u);
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-normal.png", layout::kCancelButton));
  EXPECT_TRUE(f.log.DrewImageAt(u"/button-Skins-normal.png", layout::kSkinsButton));
  EXPECT_TRUE(f.log.DrewImageAt(u"/DropdownBox-normal.png", layout::kKeyBoxes[1]));
  EXPECT_TRUE(f.log.DrewImageAt(u"/DropdownBox-normal.png", layout::kKeyBoxes[2]));
  std::vector<layout::Rect> under;
  for (const Call& call : f.log.Of(CallKind::ImagePart)) {
    EXPECT_EQ(call.what, u"/BasicSet2.png");
    under.push_back(call.rect);
  }
  EXPECT_EQ(under, (std::vector<layout::Rect>{layout::kCancelButton, layout::kSkinsButton, layout::kKeyBoxes[1],
                                              layout::kKeyBoxes[2]}));
  const Call* cancel = f.log.FindText(u"Cancel");
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->colour, test::kSkinColour);
  EXPECT_NE(f.log.FindText(u"A2"), nullptr);
  EXPECT_TRUE(f.session.hover.none());
}

}  // namespace
}  // namespace qv
