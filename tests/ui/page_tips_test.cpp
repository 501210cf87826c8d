#include "ui/page_tips.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace qv {
namespace {

// The tooltip control shows the first tool that holds the pointer: at the middle of each
// control that must be its own tip, not a neighbour's that reaches over it.
TEST(PageTips, EachControlShowsItsOwnTipInsideThePageInEveryLanguage) {
  const layout::Rect page = layout::Extent(layout::PageRects());
  for (Language language : {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
    const std::vector<PageTip> tips = PageTips(language);
    for (size_t i = 0; i < tips.size(); ++i) {
      const layout::Rect& r = tips[i].rect;
      EXPECT_FALSE(tips[i].text.empty()) << i;
      EXPECT_TRUE(page.Contains(r)) << ToUtf8(tips[i].text);
      const int x = (r.left + r.right) / 2;
      const int y = (r.top + r.bottom) / 2;
      size_t first = 0;
      while (!tips[first].rect.Contains(x, y)) ++first;
      EXPECT_EQ(first, i) << ToUtf8(tips[i].text) << " under " << ToUtf8(tips[first].text);
    }
  }
}

}  // namespace
}  // namespace qv
