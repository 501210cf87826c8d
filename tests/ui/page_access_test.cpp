#include "ui/page_access.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/text.h"
#include "page_fakes.h"
#include "ui/page_keys.h"
#include "ui/pre_dispatch.h"

namespace qv {
namespace {

using test::PageFixture;

struct ShownPage : PageFixture {
  ShownPage() {
    session.state = PageState::Shown;
    names[0][1] = u"Multimedia-Vol+";
    page.dpiSelector = 3;    // 400 .. 3200 DPI in eight levels
    record.DpiIndex(3) = 3;  // 1600 DPI
    record.StageEnabled(2) = 0;
  }
  std::vector<AccessibleControl> Controls() { return PageReadingOrder(page); }
};

std::string Utf8Names(const std::vector<AccessibleControl>& controls) {
  std::string all;
  for (const AccessibleControl& c : controls) all += ToUtf8(c.name) + "|";
  return all;
}

TEST(PageReadingOrder, NamesEveryControlInReadingOrderInTheLanguageShown) {
  ShownPage f;
  EXPECT_EQ(Utf8Names(f.Controls()),
            "Skins|Hide|Close|Key 1: A1|Key 2: Multimedia-Vol+|Key 3: A3|Key 4: A4|Mode A|Mode B|Default|"
            "Report rate 125 Hz|Report rate 250 Hz|Report rate 500 Hz|Report rate 1000 Hz, selected|"
            "Stage 1, 800 DPI, on|Stage 1 colour|Stage 1 on/off|Stage 2, 1600 DPI, off|Stage 2 colour|"
            "Stage 2 on/off|Stage 3, 1600 DPI, on|Stage 3 colour|Stage 3 on/off|Stage 4, 3200 DPI, on|"
            "Stage 4 colour|Stage 4 on/off|Mode: Standard|Parameter: 100%|Effect: RGB Effect|"
            "User's Guide|OK|Apply|Cancel|");
  f.page.language = Language::SimplifiedChinese;
  EXPECT_EQ(ToUtf8(f.Controls()[4].name), "按键 2: Multimedia-Vol+");
  f.session.state = PageState::MustPaint;
  EXPECT_TRUE(f.Controls().empty()) << "nothing to read or focus on a page not shown";
}

TEST(PageReadingOrder, APressOfEachControlIsThePointersPressOnIt) {
  ShownPage f;
  const std::vector<AccessibleControl> controls = f.Controls();
  struct Case { size_t index; PressAction step; };
  const Case cases[] = {
      {4, {PressKind::ToggleKeyList, 2}}, {8, {PressKind::ShowModeB}},
      {10, {PressKind::SetReportRate, 1}}, {20, {PressKind::SetDpiLevel, 3, 4}},
      {25, {PressKind::ToggleDpiStage, 4}}, {26, {PressKind::ToggleLedList, 0}},
      {29, {PressKind::OpenWebAddress}}, {31, {PressKind::Apply}},
  };
  for (const Case& c : cases) {
    const std::vector<PressAction> steps = PressOf(f.page, controls[c.index]);
    EXPECT_NE(std::find(steps.begin(), steps.end(), c.step), steps.end()) << ToUtf8(controls[c.index].name);
    EXPECT_EQ(std::find(steps.begin(), steps.end(), PressAction{PressKind::DragWindow}), steps.end());
  }
}

TEST(OnPageKey, TabWalksShowsFocusPressesAndArrowsStepWithinBounds) {
  ShownPage f;
  const std::vector<AccessibleControl> controls = f.Controls();
  PageFocus focus;
  EXPECT_TRUE(OnPageKey(f.page, controls, focus, kKeyReturn, false).hideWindow) << "Enter on no control hides";
  EXPECT_EQ(OnPageKey(f.page, controls, focus, kKeyTab, true).focusChanged, true);
  EXPECT_EQ(focus.index, static_cast<int>(controls.size()) - 1) << "Shift+Tab from nothing: the last control";
  OnPageKey(f.page, controls, focus, kKeyTab, false);
  EXPECT_EQ(focus.index, 0) << "Tab wraps";
  EXPECT_EQ(OnPageKey(f.page, controls, focus, kKeySpace, false).pressIndex, 0);

  focus.index = 13;  // 1000 Hz, the last segment
  EXPECT_EQ(OnPageKey(f.page, controls, focus, kKeyRight, false).step, (PressAction{PressKind::SetReportRate, 4}))
      << "Right at the end of the bar stays on 1000 Hz";
  const PageKeyAnswer left = OnPageKey(f.page, controls, focus, kKeyLeft, false);
  EXPECT_EQ(left.step, (PressAction{PressKind::SetReportRate, 3}));
  EXPECT_EQ(focus.index, 12) << "the focus follows the rate";

  focus.index = 14;  // stage 1's column at level 2
  EXPECT_EQ(OnPageKey(f.page, controls, focus, kKeyUp, false).step, (PressAction{PressKind::SetDpiLevel, 1, 3}));
  f.record.DpiIndex(1) = 6;  // level 7: Up reaches the top
  EXPECT_EQ(OnPageKey(f.page, controls, focus, kKeyUp, false).step, (PressAction{PressKind::SetDpiLevel, 1, 8}));
  f.record.DpiIndex(1) = 7;  // level 8, the top of table 2
  EXPECT_FALSE(OnPageKey(f.page, controls, focus, kKeyUp, false).step) << "no level beyond the table";
}

TEST(OnListKey, ArrowsSelectWithinTheListEnterPicksEscCloses) {
  using K = ListKeyAnswer::Kind;
  struct Case { uint64_t key; int current; K kind; int selection; };
  const Case cases[] = {
      {kKeyDown, -1, K::Select, 0}, {kKeyDown, 13, K::Select, 13}, {kKeyUp, 0, K::Select, 0},
      {kKeyPageDown, 2, K::Select, 11}, {kKeyEnd, 0, K::Select, 13}, {kKeyReturn, 4, K::Pick, 4},
      {kKeyReturn, -1, K::PassOn, -1}, {kKeyEscape, 4, K::Close, -1},
  };
  for (const Case& c : cases) {
    const ListKeyAnswer a = OnListKey(c.key, c.current, 14, 10);
    EXPECT_EQ(a.kind, c.kind) << c.key << " at " << c.current;
    if (c.kind != K::PassOn && c.kind != K::Close) {
      EXPECT_EQ(a.selection, c.selection) << c.key;
    }
  }
}

TEST(OnPageKey, HomeEndAndPageKeysTakeADpiColumnToItsLowestAndHighestLevel) {
  struct Case { uint64_t key; int selector; int level; };
  const Case cases[] = {
      {kKeyHome, 3, 1}, {kKeyPageDown, 3, 1}, {kKeyEnd, 3, 8}, {kKeyPageUp, 3, 8},
      {kKeyEnd, 1, 12},  // the large table
      {kKeyEnd, 4, 8},   // twelve shown, eight taken
  };
  for (const Case& c : cases) {
    ShownPage f;
    f.page.dpiSelector = static_cast<uint8_t>(c.selector);
    PageFocus focus{17, true};  // stage 2's column
    const PageKeyAnswer answer = OnPageKey(f.page, f.Controls(), focus, c.key, false);
    EXPECT_EQ(answer.step, (PressAction{PressKind::SetDpiLevel, 2, c.level})) << c.key << " with table " << c.selector;
  }
}

TEST(OnPageKey, EscClosesAListOpenedWithThePointerBeforeItHidesTheWindow) {
  ShownPage f;
  PageFocus focus;
  f.session.openLists.ledLists[1] = true;  // opened with the pointer: the page keeps the keys
  const PageKeyAnswer first = OnPageKey(f.page, f.Controls(), focus, kKeyEscape, false);
  EXPECT_TRUE(first.closeLists);
  EXPECT_FALSE(first.hideWindow);
  f.session.openLists.ledLists[1] = false;
  EXPECT_TRUE(OnPageKey(f.page, f.Controls(), focus, kKeyEscape, false).hideWindow);
}

TEST(ChangesBetween, TellsEachControlWhoseNameValueOrStateChangedAndNoneForANewSet) {
  ShownPage f;
  const std::vector<AccessibleControl> before = f.Controls();
  f.record.DpiIndex(1) = 4;         // stage 1's level
  f.record.StageEnabled(2) = 1;     // stage 2 switched on
  f.names[0][2] = u"Fire Key-B";    // key 3 given a function
  const std::vector<AccessibleChange> changes = ChangesBetween(before, f.Controls());
  auto find = [&](int index) {
    for (const AccessibleChange& c : changes) if (c.index == index) return c;
    return AccessibleChange{-1};
  };
  ASSERT_EQ(changes.size(), 4u);
  const AccessibleChange level = find(14), column2 = find(17), switch2 = find(19), key3 = find(5);
  EXPECT_TRUE(level.name && level.value && !level.state);
  EXPECT_TRUE(column2.name && !column2.value && column2.state) << "on shows in its name and state";
  EXPECT_TRUE(!switch2.name && switch2.state);
  EXPECT_TRUE(key3.name && key3.value && !key3.state);
  EXPECT_TRUE(ChangesBetween(before, {}).empty());
}

}  // namespace
}  // namespace qv
