#include "keyassign/assign_key_function.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/dpi_tables.h"
#include "ui/key_lists.h"
#include "ui/page_fakes.h"

namespace qv {
namespace {

using test::PageFixture;

constexpr int kKey = 3;

// Answers what each test sets, none otherwise, and notes which dialogs ran.
struct FakeDialogs : KeyDialogs {
  std::optional<Choice> windows, media, hotKey, snipe;
  std::optional<FireChoice> fire;
  std::optional<SingleKey> single;
  std::vector<std::string> ran;
  int openedOn = -1;  // what a selector dialog was opened on
  FireChoice fireOpenedOn;
  SingleKey singleOpenedOn;

  std::optional<Choice> RunWindows(int current) override { return Ran("windows", windows, current); }
  std::optional<Choice> RunMedia(int current) override { return Ran("media", media, current); }
  std::optional<Choice> RunHotKey(int current) override { return Ran("hot key", hotKey, current); }
  std::optional<FireChoice> RunFire(const FireChoice& current) override {
    fireOpenedOn = current;
    return Ran("fire", fire);
  }
  std::optional<SingleKey> RunSingle(const SingleKey& current) override {
    singleOpenedOn = current;
    return Ran("single", single);
  }
  std::optional<Choice> RunSnipe(int current) override { return Ran("snipe", snipe, current); }

  template <typename T>
  T Ran(const char* name, const T& answer, int current) {
    openedOn = current;
    return Ran(name, answer);
  }

  template <typename T>
  T Ran(const char* name, const T& answer) {
    ran.push_back(name);
    return answer;
  }
};

// Key 3's list is open with the given pick, Mode A or B shown.
struct AssignFixture : PageFixture {
  FakeDialogs dialogs;
  AssignFixture(KeyMode shown, std::optional<int> pick) {
    record[uirec::kShownMode] = static_cast<uint8_t>(shown);
    log.existing.insert(KeyListId(kKey));
    session.openLists.keyLists[kKey - 1] = true;
    if (pick) log.selections[KeyListId(kKey)] = *pick;
  }
  std::optional<AssignNotice> Assign() { return AssignKeyFunction(page, kKey, log, dialogs); }
};

using Edit = std::function<void(UiRecord&, KeyNames&)>;

uint8_t& KeyField(UiRecord& record, size_t field, KeyMode mode) { return record.Key(field, mode, kKey); }
std::u16string& NameOf(KeyNames& names, KeyMode mode) { return names[static_cast<size_t>(mode)][kKey - 1]; }

TEST(AssignKeyFunction, StoresWhatTheDialogAnswersInTheShownMode) {
  struct Case {
    const char* what;
    KeyMode shown;
    int pick;
    std::function<void(FakeDialogs&)> answer;
    Edit expected;  // besides the function type and the name
    std::u16string name;
    std::vector<std::string> ran;
    Language language = Language::English;
  };
  const auto none = [](FakeDialogs&) {};
  const auto nothing = [](UiRecord&, KeyNames&) {};
  const Case cases[] = {
      {"Windows", KeyMode::A, 6, [](FakeDialogs& d) { d.windows = Choice{8, u"Browser-Refresh"}; },
       [](UiRecord& r, KeyNames&) { KeyField(r, uirec::kWindowsIndex, KeyMode::A) = 8; }, u"Browser-Refresh", {"windows"}},
      {"Multimedia in B", KeyMode::B, 7, [](FakeDialogs& d) { d.media = Choice{5, u"Vol+"}; },
       [](UiRecord& r, KeyNames&) { KeyField(r, uirec::kMediaIndex, KeyMode::B) = 5; }, u"Multimedia-Vol+", {"media"}},
      {"HotKey", KeyMode::A, 8, [](FakeDialogs& d) { d.hotKey = Choice{7, u"Undo"}; },
       [](UiRecord& r, KeyNames&) { KeyField(r, uirec::kHotKeyIndex, KeyMode::A) = 7; }, u"Undo", {"hot key"}},
      {"Fire Key", KeyMode::B, 9, [](FakeDialogs& d) { d.fire = FireChoice{44, 0, 10, 20}; },
       [](UiRecord& r, KeyNames&) {
         KeyField(r, uirec::kFireTargetIndex, KeyMode::B) = 44;
         KeyField(r, uirec::kFireTargetCode, KeyMode::B) = 0xE4;
         KeyField(r, uirec::kFireTimes, KeyMode::B) = 0;
         r[36] = 10;
         r[37] = 20;
       },
       u"火力键-R-CTRL", {"fire"}, Language::SimplifiedChinese},
      {"Single Key by its scan code", KeyMode::A, 10, [](FakeDialogs& d) { d.single = SingleKey{u"less", 0x64}; },
       [](UiRecord& r, KeyNames&) { KeyField(r, uirec::kSingleKeyUsage, KeyMode::A) = 0x64; }, u"Single Key-less", {"single"}},
      {"Snipe Key", KeyMode::A, 11, [](FakeDialogs& d) { d.snipe = Choice{2, u"1500"}; },
       [](UiRecord& r, KeyNames&) {
         KeyField(r, uirec::kSnipeIndex, KeyMode::A) = 2;
         r[38] = DpiCode(1, 2, true);
       },
       u"Snipe Key-1500", {"snipe"}},
      {"Key Off", KeyMode::A, 12, none, nothing, u"Key Off", {}},
      {"Left Click in B", KeyMode::B, 0, none, nothing, u"Left Click", {}},
      {"Backward", KeyMode::A, 4, none, nothing, u"后退方向键", {}, Language::SimplifiedChinese},
  };
  for (const Case& c : cases) {
    AssignFixture f(c.shown, c.pick);
    f.page.language = c.language;
    f.page.dpiSelector = 1;
    f.record.Key(uirec::kFireTimes, c.shown, kKey) = 99;  // a fire key with 0 times must still write 0
    c.answer(f.dialogs);
    UiRecord record = f.record;
    KeyNames names = f.names;
    KeyField(record, uirec::kFunctionType, c.shown) = static_cast<uint8_t>(c.pick);
    NameOf(names, c.shown) = c.name;
    c.expected(record, names);

    f.Assign();

    EXPECT_EQ(f.record, record) << c.what;
    EXPECT_EQ(f.names, names) << c.what;
    EXPECT_EQ(f.dialogs.ran, c.ran) << c.what;
    EXPECT_FALSE(f.log.Exists(KeyListId(kKey))) << c.what;
  }
}

TEST(AssignKeyFunction, ADialogLeftWithoutOkChangesNothingAndClosesTheList) {
  const std::pair<int, const char*> picks[] = {{6, "windows"}, {7, "media"}, {8, "hot key"},
                                               {9, "fire"},    {10, "single"}, {11, "snipe"}};
  for (const auto& [pick, dialog] : picks) {
    AssignFixture f(KeyMode::B, pick);
    const UiRecord record = f.record;
    const KeyNames names = f.names;
    f.Assign();
    EXPECT_EQ(f.record, record) << dialog;
    EXPECT_EQ(f.names, names) << dialog;
    EXPECT_EQ(f.dialogs.ran, std::vector<std::string>{dialog});
    EXPECT_FALSE(f.log.Exists(KeyListId(kKey))) << dialog;
  }
}

TEST(AssignKeyFunction, ShiftLivesInBothModesOnOneKeyPerMode) {
  constexpr uint8_t kShift = 13;
  const auto shiftOn = [](int key, std::vector<KeyMode> modes) {
    return [=](UiRecord& r, KeyNames& n) {
      for (KeyMode mode : modes) {
        r.Key(uirec::kFunctionType, mode, key) = kShift;
        n[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)] = u"Shift";
      }
    };
  };
  const std::vector<KeyMode> both = {KeyMode::A, KeyMode::B};
  const auto key3 = [](uint8_t type, std::u16string name, std::vector<KeyMode> modes) {
    return [=](UiRecord& r, KeyNames& n) {
      for (KeyMode mode : modes) {
        KeyField(r, uirec::kFunctionType, mode) = type;
        NameOf(n, mode) = name;
      }
    };
  };
  const Edit nothing = [](UiRecord&, KeyNames&) {};
  struct Case {
    const char* what;
    KeyMode shown;
    Edit before;
    int pick;
    Edit after;
  };
  const Case cases[] = {
      {"Shift goes to both modes", KeyMode::A, nothing, 13, shiftOn(kKey, both)},
      {"a second Shift in the shown mode", KeyMode::A, shiftOn(2, both), 13, nothing},
      {"a second Shift, Mode B shown", KeyMode::B, shiftOn(2, both), 13, nothing},
      {"a Shift left in the other mode", KeyMode::B, shiftOn(2, {KeyMode::A}), 13, nothing},
      {"picking Shift again", KeyMode::A, shiftOn(kKey, both), 13, nothing},
      {"leaving Shift with Mode B shown", KeyMode::B, shiftOn(kKey, both), 3, key3(3, u"Forward", both)},
      {"an ordinary key, Mode B shown", KeyMode::B, nothing, 3, key3(3, u"Forward", {KeyMode::B})},
      {"leaving Shift through a dialog", KeyMode::A, shiftOn(kKey, both), 7,
       [&](UiRecord& r, KeyNames& n) {
         key3(7, u"Multimedia-Vol+", both)(r, n);
         for (KeyMode mode : both) KeyField(r, uirec::kMediaIndex, mode) = 5;
       }},
  };
  for (const Case& c : cases) {
    AssignFixture f(c.shown, c.pick);
    f.dialogs.media = Choice{5, u"Vol+"};
    c.before(f.record, f.names);
    UiRecord record = f.record;
    KeyNames names = f.names;
    c.after(record, names);

    f.Assign();

    EXPECT_EQ(f.record, record) << c.what;
    EXPECT_EQ(f.names, names) << c.what;
    EXPECT_FALSE(f.log.Exists(KeyListId(kKey))) << c.what;
  }
}

TEST(AssignKeyFunction, TheDpiSubListAndTheKeyListKeepOneShiftKeyInBothModes) {
  constexpr uint8_t kShift = 13;
  AssignFixture f(KeyMode::A, std::nullopt);
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) f.record.Key(uirec::kFunctionType, mode, 2) = kShift;
  // Key 2 leaves Shift for "DPI +" through the DPI sub-list, then key 3 asks for Shift.
  f.log.existing = {KeyListId(2), kDpiSubListId};
  f.log.selections[kDpiSubListId] = 0;
  OnDpiSubListSelect(f.page, f.log, f.log);
  f.log.existing.insert(KeyListId(kKey));
  f.log.selections[KeyListId(kKey)] = kShift;
  f.Assign();

  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    const auto names = f.names[static_cast<size_t>(mode)];
    EXPECT_EQ((std::tuple{f.record.Key(uirec::kFunctionType, mode, 2), f.record.Key(uirec::kDpiSubFunction, mode, 2),
                          ToUtf8(names[1])}),
              (std::tuple{uint8_t{5}, uint8_t{3}, std::string("DPI +")}))
        << "mode " << static_cast<int>(mode);
    EXPECT_EQ((std::pair{f.record.Key(uirec::kFunctionType, mode, kKey), ToUtf8(names[kKey - 1])}),
              (std::pair{kShift, std::string("Shift")}))
        << "mode " << static_cast<int>(mode);
  }
}

TEST(AssignKeyFunction, EveryDialogOpensOnWhatTheKeyHolds) {
  // Mode B key 3 is a fire key on B, 5 shots, with the shared times 20/40, and holds a media,
  // Windows and hot-key entry and a captured key of its own.
  const auto keyB = [](UiRecord& r, size_t field, uint8_t value) { r.Key(field, KeyMode::B, kKey) = value; };
  struct Case {
    int pick;
    int openedOn;
  };
  const Case cases[] = {{6, 4}, {7, 3}, {8, 7}, {11, 2}};
  for (const Case& c : cases) {
    AssignFixture f(KeyMode::B, c.pick);
    f.page.dpiSelector = 1;
    keyB(f.record, uirec::kWindowsIndex, 4);
    keyB(f.record, uirec::kMediaIndex, 3);
    keyB(f.record, uirec::kHotKeyIndex, 7);
    keyB(f.record, uirec::kSnipeIndex, 0);
    f.record[uirec::kSnipeDpiCode] = DpiCode(1, 2, true);  // the one snipe DPI wins over the key's entry
    f.Assign();
    EXPECT_EQ(f.dialogs.openedOn, c.openedOn) << c.pick;
  }
  AssignFixture fire(KeyMode::B, 9);
  keyB(fire.record, uirec::kFunctionType, 9);
  keyB(fire.record, uirec::kFireTargetIndex, 6);
  keyB(fire.record, uirec::kFireTimes, 5);
  fire.record[uirec::kFireMakeTime] = 20;
  fire.record[uirec::kFireBreakTime] = 40;
  fire.Assign();
  EXPECT_EQ((std::tuple{fire.dialogs.fireOpenedOn.target, fire.dialogs.fireOpenedOn.times,
                        fire.dialogs.fireOpenedOn.makeTime, fire.dialogs.fireOpenedOn.breakTime}),
            (std::tuple{6, uint8_t{5}, uint8_t{20}, uint8_t{40}}));
  // A single key opens on the name its box shows, which the system gave ("less" has no
  // table name); a key of another function opens on none.
  for (const bool single : {true, false}) {
    AssignFixture f(KeyMode::B, 10);
    keyB(f.record, uirec::kFunctionType, single ? 10 : 0);
    keyB(f.record, uirec::kSingleKeyUsage, 0x64);
    NameOf(f.names, KeyMode::B) = u"Single Key-less";
    f.Assign();
    EXPECT_EQ(f.dialogs.singleOpenedOn, single ? (SingleKey{u"less", 0x64}) : SingleKey{});
  }
}

TEST(AssignKeyFunction, ANewSnipeDpiRenamesEverySnipeKeyOfBothModes) {
  AssignFixture f(KeyMode::B, 11);
  f.page.dpiSelector = 1;
  f.dialogs.snipe = Choice{3, u"2000"};
  f.record.Key(uirec::kFunctionType, KeyMode::A, kKey) = 11;
  f.record.Key(uirec::kSnipeIndex, KeyMode::A, kKey) = 1;
  NameOf(f.names, KeyMode::A) = u"Snipe Key-500";
  f.Assign();
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    EXPECT_EQ(f.record.Key(uirec::kSnipeIndex, mode, kKey), 3);
    EXPECT_EQ(ToUtf8(NameOf(f.names, mode)), "Snipe Key-" + ToUtf8(DpiValueText(1, 3)));
  }
  EXPECT_EQ(f.record[uirec::kSnipeDpiCode], DpiCode(1, 3, true));
}

TEST(AssignKeyFunction, ShiftSaysWhatItDidInTheLanguageShown) {
  AssignFixture set(KeyMode::A, 13);
  set.page.language = Language::SimplifiedChinese;
  const std::optional<AssignNotice> done = set.Assign();
  ASSERT_TRUE(done);
  EXPECT_EQ(ToUtf8(done->caption), "提示");
  EXPECT_NE(ToUtf8(done->text).find("按键3"), std::string::npos);
  EXPECT_NE(ToUtf8(done->text).find("模式B"), std::string::npos);

  AssignFixture taken(KeyMode::B, 13);
  taken.record.Key(uirec::kFunctionType, KeyMode::A, 2) = 13;  // key 2 holds it, in Mode A only
  const std::optional<AssignNotice> refused = taken.Assign();
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->caption, u"Warning");
  EXPECT_EQ(refused->text, u"Key 2 is already Shift, and only one key can be. Give key 2 another function first.");

  AssignFixture other(KeyMode::A, 3);
  EXPECT_FALSE(other.Assign()) << "an ordinary pick says nothing beyond its box";
}

TEST(AssignKeyFunction, NoSelectionOrDpiSwitchLeavesTheListOpenAndChangesNothing) {
  struct Case {
    std::optional<int> pick;
    bool assigned;
  };
  const Case cases[] = {{std::nullopt, false}, {5, false}, {1, true}};
  for (const Case& c : cases) {
    AssignFixture f(KeyMode::A, c.pick);
    f.log.existing.insert(kDpiSubListId);
    const UiRecord record = f.record;
    const KeyNames names = f.names;

    const std::vector<int> closed = OnKeyListSelect(f.page, f.log, [&f](int key) { AssignKeyFunction(f.page, key, f.log, f.dialogs); });

    const int pick = c.pick.value_or(-1);
    EXPECT_EQ(closed, c.assigned ? std::vector<int>{kKey} : std::vector<int>{}) << pick;
    EXPECT_EQ(f.record == record, !c.assigned) << pick;
    EXPECT_EQ(f.names == names, !c.assigned) << pick;
    EXPECT_EQ(f.log.Exists(KeyListId(kKey)), !c.assigned) << pick;
    EXPECT_EQ(f.log.Exists(kDpiSubListId), !c.assigned) << pick;
    EXPECT_EQ(f.session.openLists.keyLists[kKey - 1], !c.assigned) << pick;
    EXPECT_TRUE(f.dialogs.ran.empty()) << pick;
  }
}

}  // namespace
}  // namespace qv
