#include "ui/press.h"

#include <gtest/gtest.h>

#include "page_fakes.h"
#include "ui/pre_dispatch.h"

namespace qv {
namespace {

using test::CallKind;
using test::PageFixture;
using K = PressKind;

std::string Describe(const std::vector<PressAction>& steps) {
  std::string text;
  for (const PressAction& s : steps) {
    text += std::to_string(static_cast<int>(s.kind)) + "(" + std::to_string(s.index) + "," +
            std::to_string(s.level) + ") ";
  }
  return text;
}

TEST(DispatchPress, WalksTheRectanglesInOrder) {
  struct Case {
    const char* what;
    int x, y;
    std::vector<PressAction> steps;
    PageState state = PageState::Shown;
    int selector = 0;
  };
  const PressAction lists{K::CloseLists};
  const PressAction drag{K::DragWindow};
  const int level9 = layout::DpiCell(2, 9).top + 1;
  const Case cases[] = {
      {"background", 10, 300, {lists, drag}},
      // A frame button's press never ends in a drag: its button-up may go to a dialog or to
      // whatever is under the hidden window.
      {"OK", 600, 630, {{K::Ok}, lists}},
      {"OK and Apply share x 666", 666, 630, {{K::Ok}, {K::Apply}, lists}},
      {"Apply and Cancel share x 770", 770, 630, {{K::Apply}, {K::Cancel}, lists}},
      {"skins", 710, 10, {{K::Skins}, lists}},
      {"hide", 830, 10, {{K::Hide}}},
      {"close", 860, 10, {{K::Close}}},
      {"back", 60, 70, {{K::Back}}},
      {"web address", 300, 640, {{K::OpenWebAddress}}},
      {"mode A wins the shared column", 357, 525, {lists, {K::ShowModeA}}},
      {"mode B", 400, 525, {lists, {K::ShowModeB}}},
      {"default", 350, 555, {lists, {K::RestoreDefaults}}},
      {"key box 3", 300, 250, {lists, {K::ToggleKeyList, 3}}},
      {"key box 5 opens nothing", 300, 300, {lists, drag}},
      {"rate 250", 650, 210, {lists, {K::SetReportRate, 2}}},
      {"stage box 3", 615, 550, {lists, {K::ToggleDpiStage, 3}}},
      {"swatch of an on stage", 585, 530, {lists, {K::ChooseStageColour, 2}}},
      {"LED parameter", 840, 365, {lists, {K::ToggleLedList, 1}}},
      {"level 1 of stage 4", 640, 510, {lists, {K::SetDpiLevel, 4, 1}}},
      {"level 9 with selector 1", 585, level9, {lists, {K::SetDpiLevel, 2, 9}}, PageState::Shown, 1},
      {"level 9 with selector 2", 585, level9, {lists, drag}, PageState::Shown, 2},
      {"level 9 with selector 4", 585, level9, {lists, drag}, PageState::Shown, 4},
      {"page not shown", 400, 525, {drag}, PageState::MustPaint},
      {"OK, page being rebuilt", 600, 630, {{K::Ok}}, PageState::Rebuilding},
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.session.state = c.state;
    f.page.dpiSelector = c.selector;
    const std::vector<PressAction> steps = DispatchPress(f.page, c.x, c.y);
    EXPECT_EQ(steps, c.steps) << c.what << ": " << Describe(steps);
  }
}

TEST(DispatchPress, SwatchOfAStageThatIsOffEndsThePress) {
  PageFixture f;
  f.session.state = PageState::Shown;
  f.record.StageEnabled(2) = 0;
  EXPECT_EQ(DispatchPress(f.page, 585, 530), std::vector<PressAction>{{K::CloseLists}});
}

TEST(CloseListsAwayFrom, KeepsOnlyTheListsThePressIsOn) {
  struct Case {
    const char* what;
    int x, y;
    uint8_t ledMode;
    std::set<int> left;
    bool keyFlag2 = false;  // key list 2 has a flag but no window
  };
  const std::set<int> all = {40, 41, 60, 61, 62};
  const Case cases[] = {
      {"background", 10, 300, 1, {}},
      {"key box 1", 300, 210, 1, {41}},  // lists 2..4 are away, so the sub-list goes
      {"in all four key lists", 300, 300, 1, {40, 41}, true},
      {"LED mode box", 800, 335, 1, {60}},
      {"where the LED lists overlap", 800, 400, 1, {60, 61, 62}},
      {"below the standard parameter list", 800, 560, 1, {}},
      {"inside the neon parameter list", 800, 560, 2, {61}},
      {"effect list", 800, 440, 2, {61, 62}},
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.record[uirec::kLightMode] = c.ledMode;
    f.log.existing = all;
    f.session.openLists.keyLists = {true, true, false, false, false, false, false, false};
    f.session.openLists.ledLists = {true, true, true};
    CloseListsAwayFrom(f.page, c.x, c.y, f.log);
    EXPECT_EQ(f.log.existing, c.left) << c.what;
    EXPECT_EQ(f.session.openLists.keyLists[0], c.left.count(41) > 0) << c.what;
    EXPECT_EQ(f.session.openLists.keyLists[1], c.keyFlag2) << c.what;
    for (int box = 0; box < 3; ++box) EXPECT_EQ(f.session.openLists.ledLists[box], c.left.count(60 + box) > 0) << c.what;
  }
}

TEST(CloseListsAwayFrom, AnLedFlagWithoutItsListStays) {
  PageFixture f;
  f.session.openLists.ledLists = {true, true, true};
  CloseListsAwayFrom(f.page, 10, 300, f.log);
  EXPECT_EQ(f.session.openLists.ledLists, (std::array<bool, 3>{true, true, true}));
}

TEST(StoreStageColour, StoresTheChosenColourAndRepaintsTheSwatch) {
  PageFixture f;
  StoreStageColour(f.record, 3, Rgb{1, 2, 3}, f.log);
  EXPECT_EQ(f.record[21], 1);
  EXPECT_EQ(f.record[22], 2);
  EXPECT_EQ(f.record[23], 3);
  ASSERT_EQ(f.log.calls.size(), 1u);
  EXPECT_EQ(f.log.calls[0].kind, CallKind::Invalidate);
  EXPECT_EQ(f.log.calls[0].id, 73);
}

TEST(PreDispatch, EnterAndEscapeHideTheWindow) {
  struct Case {
    uint32_t message;
    uint64_t wParam;
    PageState state;
    PreDispatch answer;
  };
  const Case cases[] = {
      {0x0100, 0x0D, PageState::Shown, PreDispatch::HideWindow},
      {0x0100, 0x1B, PageState::MustPaint, PreDispatch::HideWindow},
      {0x0100, 0x41, PageState::Shown, PreDispatch::PassOn},
      {0x0101, 0x0D, PageState::Shown, PreDispatch::PassOn},  // key up
      {0x0200, 0, PageState::Shown, PreDispatch::KeyListPointer},
      {0x0200, 0, PageState::Rebuilding, PreDispatch::PassOn},
  };
  for (const Case& c : cases) EXPECT_EQ(FilterBeforeDispatch(c.message, c.wParam, c.state), c.answer) << c.message;
}

}  // namespace
}  // namespace qv
