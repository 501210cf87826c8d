#include "ui/placement.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// A 1920 x 1040 work area (a taskbar below it) and a 384 x 286 dialog over the page.
TEST(CentredOver, CentresOverTheOwnerAndKeepsTheWindowOnTheWorkArea) {
  const layout::Rect work{0, 0, 1920, 1040};
  struct Case {
    const char* what;
    layout::Rect over;
    int x, y;
  };
  const Case cases[] = {
      {"over a page in the middle", {517, 187, 1403, 853}, 768, 377},
      {"over a page half off the right edge", {1500, 200, 2386, 866}, 1536, 390},
      {"over a page pushed below the taskbar", {500, 900, 1386, 1566}, 751, 754},
      {"over a page off the top-left corner", {-800, -600, 86, 66}, 0, 0},
      {"over the work area itself (a hidden owner)", work, 768, 377},
  };
  for (const Case& c : cases) {
    const ScreenPoint at = CentredOver(c.over, 384, 286, work);
    EXPECT_EQ(at.x, c.x) << c.what;
    EXPECT_EQ(at.y, c.y) << c.what;
  }
  const ScreenPoint large = CentredOver({100, 100, 300, 300}, 2000, 1100, {0, 40, 1920, 1080});
  EXPECT_EQ(large.x, 0) << "larger than the work area: its top-left corner on it";
  EXPECT_EQ(large.y, 40);
}

}  // namespace
}  // namespace qv
