#include "ui/key_lists.h"

#include <gtest/gtest.h>

#include "page_fakes.h"

namespace qv {
namespace {

using test::CallKind;
using test::PageFixture;

// Function types of keys 1..8 with Left Click on the given keys only.
std::array<uint8_t, kKeysPerMode> LeftClickOn(std::initializer_list<int> keys) {
  std::array<uint8_t, kKeysPerMode> types;
  types.fill(12);  // Key Off
  for (int key : keys) types[static_cast<size_t>(key - 1)] = 0;
  return types;
}

void SetTypes(UiRecord& record, KeyMode mode, const std::array<uint8_t, kKeysPerMode>& types) {
  for (int key = 1; key <= kKeysPerMode; ++key) record.Key(uirec::kFunctionType, mode, key) = types[static_cast<size_t>(key - 1)];
}

std::set<int> OpenListIds(const test::PageLog& log) {
  std::set<int> ids;
  for (int id : log.existing) {
    if (id >= kDpiSubListId && id <= KeyListId(layout::kKeyCount)) ids.insert(id);
  }
  return ids;
}

TEST(OpenKeyList, TheOnlyLeftClickOfTheShownModeCannotBeReassigned) {
  struct Case {
    const char* what;
    KeyMode shown;
    std::array<uint8_t, kKeysPerMode> modeA, modeB;
    int key;
    bool refused;
  };
  const auto none = LeftClickOn({});
  const Case cases[] = {
      {"A: key 2 alone", KeyMode::A, LeftClickOn({2}), none, 2, true},
      {"A: another key", KeyMode::A, LeftClickOn({2}), none, 1, false},
      {"A: two left clicks", KeyMode::A, LeftClickOn({2, 3}), none, 2, false},
      {"A: key 7 counts too", KeyMode::A, LeftClickOn({2, 7}), none, 2, false},
      {"A: no left click at all", KeyMode::A, none, none, 1, false},
      {"A: Mode B is not read", KeyMode::A, LeftClickOn({1, 2}), LeftClickOn({1}), 1, false},
      {"B: key 3 alone", KeyMode::B, none, LeftClickOn({3}), 3, true},
      {"B: Mode A is not read", KeyMode::B, LeftClickOn({1}), LeftClickOn({1, 4}), 1, false},
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.record[uirec::kShownMode] = static_cast<uint8_t>(c.shown);
    SetTypes(f.record, KeyMode::A, c.modeA);
    SetTypes(f.record, KeyMode::B, c.modeB);
    f.session.openLists.keyLists[3] = true;  // key list 4 is open with its sub-list
    f.log.existing = {KeyListId(4), kDpiSubListId};
    const UiRecord before = f.record;

    const std::optional<MessageBoxText> warning = OpenKeyList(f.page, c.key, f.log);

    EXPECT_EQ(warning.has_value(), c.refused) << c.what;
    if (warning) {
      EXPECT_EQ(*warning, (MessageBoxText{u"Left key must be selected!", u"Warning"})) << c.what;
    }
    const std::set<int> open = c.refused ? std::set<int>{} : std::set<int>{KeyListId(c.key)};
    EXPECT_EQ(OpenListIds(f.log), open) << c.what << ": the other lists close either way";
    for (int key = 1; key <= layout::kKeyCount; ++key) {
      EXPECT_EQ(f.session.openLists.keyLists[key - 1], open.count(KeyListId(key)) > 0) << c.what << " key " << key;
    }
    EXPECT_EQ(f.record, before) << c.what;
  }
}

TEST(OpenKeyList, TheWarningIsInTheLanguageInUse) {
  PageFixture f;
  f.page.language = Language::TraditionalChinese;
  SetTypes(f.record, KeyMode::A, LeftClickOn({1}));
  EXPECT_EQ(OpenKeyList(f.page, 1, f.log), (MessageBoxText{u"左鍵功能必須選擇！", u"警告"}));
}

TEST(OpenKeyList, PressesToggleAndLeaveOneListOpen) {
  struct Case {
    std::vector<int> presses;
    std::set<int> open;
  };
  const Case cases[] = {
      {{1}, {41}},
      {{1, 1}, {}},
      {{1, 1, 1}, {41}},
      {{1, 3}, {43}},
      {{1, 3, 3}, {}},
      {{1, 3, 1}, {41}},
      {{4, 2, 4, 4}, {}},
  };
  for (const Case& c : cases) {
    PageFixture f;
    SetTypes(f.record, KeyMode::A, LeftClickOn({1, 2}));
    for (int key : c.presses) EXPECT_FALSE(OpenKeyList(f.page, key, f.log));
    EXPECT_EQ(OpenListIds(f.log), c.open) << c.presses.size() << " presses";
    for (int key = 1; key <= layout::kKeyCount; ++key) {
      EXPECT_EQ(f.session.openLists.keyLists[key - 1], c.open.count(KeyListId(key)) > 0) << key;
    }
  }
}

TEST(OpenKeyList, TheListHoldsTheFourteenFunctionsUnderItsBox) {
  PageFixture f;
  f.page.language = Language::SimplifiedChinese;
  OpenKeyList(f.page, 2, f.log);
  EXPECT_EQ(f.log.Of(CallKind::CreateList).at(0).rect, (layout::Rect{252, 244, 463, 474}));
  const std::vector<std::u16string>& entries = f.log.lists.at(42);
  ASSERT_EQ(entries.size(), 14u);
  EXPECT_EQ(entries[5], u"DPI切换");
  EXPECT_EQ(entries[6], u"Windows");
  EXPECT_EQ(entries[12], u"按键关闭");
  EXPECT_EQ(entries[13], u"Shift");
}

// A list opens with the key's function in the shown mode marked, and the DPI sub-list with
// the key's sub-function, which only a DPI key has.
TEST(OpenKeyList, MarksTheKeysCurrentFunctionAndSubFunction) {
  struct Case {
    uint8_t shownMode;
    uint8_t functionA, functionB, subFunctionB;
    std::optional<int> list, subList;
  };
  const Case cases[] = {
      {0, 11, kDpiSwitchEntry, 4, 11, std::nullopt},      // Mode A: a snipe key has no sub-function
      {1, 11, kDpiSwitchEntry, 4, kDpiSwitchEntry, 1},   // Mode B: "DPI -"
      {1, 11, 200, 4, std::nullopt, std::nullopt},       // a damaged byte marks nothing
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.record[uirec::kShownMode] = c.shownMode;
    f.record.Key(uirec::kFunctionType, KeyMode::A, 2) = c.functionA;
    f.record.Key(uirec::kFunctionType, KeyMode::B, 2) = c.functionB;
    f.record.Key(uirec::kDpiSubFunction, KeyMode::B, 2) = c.subFunctionB;
    OpenKeyList(f.page, 2, f.log);
    TrackKeyListPointer({KeyListId(2), kDpiSwitchEntry, {0, 75, 190, 90}}, f.record, Language::English, f.log);
    EXPECT_EQ(f.log.marked.at(KeyListId(2)), c.list) << int(c.shownMode);
    EXPECT_EQ(f.log.marked.at(kDpiSubListId), c.subList) << int(c.shownMode);
  }
}

TEST(TrackKeyListPointer, OpensTheSubListBesideDpiSwitchAndClosesItElsewhere) {
  struct Step {
    ListPointer pointer;
    bool subListAfter;
  };
  const layout::Rect item5{0, 75, 190, 90};
  const Step steps[] = {
      {{KeyListId(2), 4, {0, 60, 190, 75}}, false},
      {{KeyListId(2), 5, item5}, true},
      {{KeyListId(2), 5, item5}, true},                // already open: not created twice
      {{kDpiSubListId, 0, {0, 0, 60, 15}}, true},      // on the sub-list itself
      {{LedListId(1), 2, {0, 30, 80, 45}}, true},      // on an LED list
      {{KeyListId(2), 6, {0, 90, 190, 105}}, false},
  };
  PageFixture f;
  f.log.existing = {KeyListId(2)};
  for (const Step& step : steps) {
    TrackKeyListPointer(step.pointer, f.record, Language::English, f.log);
    EXPECT_EQ(f.log.Exists(kDpiSubListId), step.subListAfter) << step.pointer.listId << " item " << step.pointer.item;
  }
  ASSERT_EQ(f.log.Of(CallKind::CreateList).size(), 1u);
  EXPECT_EQ(f.log.Of(CallKind::CreateList)[0].rect, (layout::Rect{442, 319, 502, 379}));
  EXPECT_EQ(f.log.lists.at(kDpiSubListId), (std::vector<std::u16string>{u"DPI +", u"DPI -", u"DPI Loop"}));
}

TEST(OnDpiSubListSelect, AssignsTheSubFunctionInTheShownModeOnly) {
  struct Case {
    KeyMode shown;
    std::optional<int> pick;
    uint8_t subFunction;
    std::u16string name;
  };
  const Case cases[] = {
      {KeyMode::A, 0, 3, u"DPI +"},
      {KeyMode::A, 1, 4, u"DPI -"},
      {KeyMode::B, 2, 5, u"DPI Loop"},
      {KeyMode::B, std::nullopt, 0, u""},
  };
  for (const Case& c : cases) {
    PageFixture f;
    f.record[uirec::kShownMode] = static_cast<uint8_t>(c.shown);
    f.log.existing = {KeyListId(3), kDpiSubListId};
    f.session.openLists.keyLists[2] = true;
    if (c.pick) f.log.selections[kDpiSubListId] = *c.pick;
    UiRecord expected = f.record;
    KeyNames names = f.names;
    if (c.pick) {
      expected[(c.shown == KeyMode::A ? 39 : 47) + 2] = 5;
      expected[(c.shown == KeyMode::A ? 183 : 191) + 2] = c.subFunction;
      names[static_cast<size_t>(c.shown)][2] = c.name;
    }

    OnDpiSubListSelect(f.page, f.log, f.log);

    EXPECT_EQ(f.record, expected) << ToUtf8(c.name);
    EXPECT_EQ(f.names, names) << ToUtf8(c.name);
    EXPECT_EQ(OpenListIds(f.log).empty(), c.pick.has_value()) << ToUtf8(c.name);
    EXPECT_EQ(f.session.openLists.keyLists[2], !c.pick) << ToUtf8(c.name);
    EXPECT_EQ(f.log.DrewImageAt(u"/DropdownBox-normal.png", layout::kKeyBoxes[2]), c.pick.has_value()) << ToUtf8(c.name);
    if (c.pick) {
      EXPECT_NE(f.log.FindText(c.name), nullptr) << ToUtf8(c.name);
    }
  }
}

TEST(OnKeyListSelect, ClosesTheFlagsOfTheListsTheAssignmentClosed) {
  PageFixture f;
  f.log.existing = {KeyListId(2), KeyListId(5), kDpiSubListId};
  f.session.openLists.keyLists[1] = true;
  f.session.openLists.keyLists[4] = true;
  std::vector<int> assigned;
  const auto assign = [&](int key) {
    assigned.push_back(key);
    if (key == 2) f.log.Destroy(KeyListId(2));  // key 5's pick leaves its list open
  };

  const std::vector<int> closed = OnKeyListSelect(f.page, f.log, assign);

  EXPECT_EQ(assigned, (std::vector<int>{2, 5}));
  EXPECT_EQ(closed, (std::vector<int>{2}));
  EXPECT_FALSE(f.session.openLists.keyLists[1]);
  EXPECT_TRUE(f.session.openLists.keyLists[4]);
  EXPECT_EQ(OpenListIds(f.log), (std::set<int>{KeyListId(5)})) << "the sub-list goes with a closed list";

  RepaintKeyBoxes(f.page, closed, f.log);
  EXPECT_EQ(f.log.CountImages(u"/DropdownBox-normal.png"), 1);
  EXPECT_TRUE(f.log.DrewImageAt(u"/DropdownBox-normal.png", layout::kKeyBoxes[1]));
  EXPECT_NE(f.log.FindText(u"A2"), nullptr);
}

}  // namespace
}  // namespace qv
