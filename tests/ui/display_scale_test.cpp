#include "ui/display_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

std::vector<layout::Rect> EveryLayoutRect() {
  std::vector<layout::Rect> rects(layout::PageRects().begin(), layout::PageRects().end());
  for (int d = 0; d < layout::kDialogCount; ++d) {
    for (const layout::Rect& r : layout::DialogRects(static_cast<layout::Dialog>(d))) rects.push_back(r);
  }
  return rects;
}

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(DisplayScale, LayoutKeepsItsShapeAtEveryScale) {
  const std::vector<layout::Rect> rects = EveryLayoutRect();
  for (const int dpi : kDpis) {
    const DisplayScale scale{dpi};
    std::vector<layout::Rect> mapped;
    for (const layout::Rect& r : rects) {
      const layout::Rect s = ToScreen(r, scale);
      EXPECT_NEAR(s.Width(), r.Width() * dpi / 96.0, 1.0) << dpi;
      EXPECT_NEAR(s.Height(), r.Height() * dpi / 96.0, 1.0) << dpi;
      EXPECT_EQ(ToSkin(s, scale), r) << dpi;
      mapped.push_back(s);
    }
    // Buttons that touch or share a column, boxes stacked with a gap: every edge keeps its
    // order against every other edge, so nothing opens a gap or starts to overlap.
    for (size_t i = 0; i < rects.size(); ++i) {
      for (size_t j = 0; j < rects.size(); ++j) {
        const layout::Rect &a = rects[i], &b = rects[j], &sa = mapped[i], &sb = mapped[j];
        ASSERT_EQ(Sign(sa.right - sb.left), Sign(a.right - b.left)) << dpi << " " << i << " " << j;
        ASSERT_EQ(Sign(sa.bottom - sb.top), Sign(a.bottom - b.top)) << dpi << " " << i << " " << j;
        ASSERT_EQ(Sign(sa.left - sb.left), Sign(a.left - b.left)) << dpi << " " << i << " " << j;
        ASSERT_EQ(Sign(sa.top - sb.top), Sign(a.top - b.top)) << dpi << " " << i << " " << j;
      }
    }
  }
}

TEST(DisplayScale, EveryScreenPixelBelongsToTheSkinPixelUnderIt) {
  for (const int dpi : kDpis) {
    const DisplayScale scale{dpi};
    for (int p = -40; p < 1400; ++p) {
      const int skin = ToSkin(p, scale);
      ASSERT_LE(ToScreen(skin, scale), p) << dpi << " " << p;
      ASSERT_LT(p, ToScreen(skin + 1, scale)) << dpi << " " << p;
      if (dpi == 96) {
        ASSERT_EQ(skin, p);
      }
    }
  }
}

TEST(DisplayScale, ImagesComeFromTheSharpestVariantAtOrAboveTheScale) {
  struct Case {
    int dpi;
    std::vector<std::u16string> names;
  };
  const Case cases[] = {
      {96, {u"/Pane.png"}},
      {120, {u"/Pane@1.5x.png", u"/Pane@2x.png", u"/Pane.png"}},
      {144, {u"/Pane@1.5x.png", u"/Pane@2x.png", u"/Pane.png"}},
      {192, {u"/Pane@2x.png", u"/Pane.png"}},
      {288, {u"/Pane@2x.png", u"/Pane.png"}},
  };
  for (const Case& c : cases) {
    const ImageSources sources = ImageSourcesFor(u"/Pane.png", DisplayScale{c.dpi});
    std::vector<std::u16string> names;
    for (int i = 0; i < sources.count; ++i) names.push_back(sources.sources[static_cast<size_t>(i)].name);
    EXPECT_EQ(names, c.names) << c.dpi;
  }
  // A variant rendered at 1.5 from an odd size comes back to the skin's size.
  EXPECT_EQ(SkinLengthOf(158, 150), 105);
  EXPECT_EQ(SkinLengthOf(32, 150), 21);
  EXPECT_EQ(SkinLengthOf(422, 200), 211);
}

}  // namespace
}  // namespace qv
