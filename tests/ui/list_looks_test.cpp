#include "ui/list_looks.h"

#include <gtest/gtest.h>

#include "ui/control_colours.h"

namespace qv {
namespace {

// The thumb, a press on the track and a drag, over one list of 30 entries, 10 shown at a
// time, on a 100-pixel track: the thumb is a third of it and travels the other 67 pixels.
TEST(ListScroll, TheThumbShowsThePartShownAndPressesAndDragsMoveIt) {
  struct Case {
    ListScroll scroll;
    std::optional<Thumb> thumb;
    int afterPressAbove, afterPressBelow;  // on the track at 0 and at 99
  };
  const Case cases[] = {
      {{30, 10, 0}, Thumb{0, 33}, 0, 10},
      {{30, 10, 20}, Thumb{67, 33}, 10, 20},   // at the end: a page down stays
      {{30, 10, 5}, Thumb{16, 33}, 0, 15},
      {{30, 10, 99}, Thumb{67, 33}, 10, 20},   // a top past the end counts as the end
      {{300, 10, 0}, Thumb{0, 10}, 0, 10},     // never shorter than the least length
      {{10, 10, 0}, std::nullopt, 0, 0},       // all fit: no bar, presses change nothing
      {{3, 10, 0}, std::nullopt, 0, 0},
  };
  for (const Case& c : cases) {
    const std::optional<Thumb> thumb = ThumbOf(c.scroll, 100, 10);
    ASSERT_EQ(thumb.has_value(), c.thumb.has_value()) << c.scroll.count << " from " << c.scroll.top;
    if (thumb) {
      EXPECT_EQ(thumb->start, c.thumb->start) << c.scroll.count << " from " << c.scroll.top;
      EXPECT_EQ(thumb->length, c.thumb->length) << c.scroll.count << " from " << c.scroll.top;
      EXPECT_EQ(TopAfterTrackPress(c.scroll, 100, 10, thumb->start + thumb->length), c.afterPressBelow)
          << "the first pixel below the thumb, from " << c.scroll.top;
    }
    EXPECT_EQ(TopAfterTrackPress(c.scroll, 100, 10, 0), c.afterPressAbove) << c.scroll.top;
    EXPECT_EQ(TopAfterTrackPress(c.scroll, 100, 10, 99), c.afterPressBelow) << c.scroll.top;
  }
  const ListScroll middle{30, 10, 5};
  EXPECT_EQ(TopAfterTrackPress(middle, 100, 10, 20), 5) << "a press on the thumb";
  // Dragged: each end of the travel is an end of the list, and each thumb position found
  // above leads back to its top.
  EXPECT_EQ(TopForThumbAt(middle, 100, 10, -40), 0);
  EXPECT_EQ(TopForThumbAt(middle, 100, 10, 500), 20);
  for (int top = 0; top <= 20; ++top) {
    const ListScroll at{30, 10, top};
    EXPECT_EQ(TopForThumbAt(at, 100, 10, ThumbOf(at, 100, 10)->start), top);
  }
}

// The entry under the pointer is filled with the skin's accent, as far as the text still
// reads on it: the two skins' accents and a light one a skin without its rate image falls
// back to, on the page's black lists and the dialogs' dark grey ones.
TEST(RowLook, TheHighlightKeepsTheTextReadableAndTheChoiceHasItsBar) {
  const Rgb white{255, 255, 255};
  for (const Rgb background : {Rgb{0, 0, 0}, Rgb{40, 40, 40}}) {
    for (const Rgb accent : {Rgb{32, 205, 233}, Rgb{36, 97, 233}, Rgb{230, 230, 230}}) {
      const ListColours colours{background, white, accent};
      const RowLook plain = RowLookOf(colours, false, false);
      EXPECT_EQ(plain.fill, background);
      EXPECT_FALSE(plain.choiceBar);
      const RowLook highlighted = RowLookOf(colours, true, true);
      const RowLook current = RowLookOf(colours, false, true);
      EXPECT_NE(highlighted.fill, background) << int{accent.red};
      EXPECT_NE(highlighted.fill, current.fill) << int{accent.red};
      for (const RowLook& look : {highlighted, current}) {
        EXPECT_GE(Contrast(look.fill, white), kReadableContrast) << int{accent.red};
        EXPECT_TRUE(look.choiceBar);
      }
      EXPECT_EQ(ScrollLookOf(colours).thumb, accent);
      EXPECT_NE(ScrollLookOf(colours).track, background);
    }
  }
}

TEST(RowLook, ADarkAccentIsLightenedUntilItShowsOnTheList) {
  const Rgb white{255, 255, 255}, black{0, 0, 0};
  const Rgb frostBlue{37, 99, 235}, carbonCyan{34, 211, 238};
  EXPECT_EQ(ListAccent(black, white, carbonCyan), carbonCyan) << "an accent that shows stays as it is";
  const Rgb shown = ListAccent(black, white, frostBlue);
  EXPECT_NE(shown, frostBlue);
  EXPECT_GE(Contrast(shown, black), 6.0);
  EXPECT_GT(shown.blue, shown.red) << "still the skin's blue, not the text's white";
}

}  // namespace
}  // namespace qv
