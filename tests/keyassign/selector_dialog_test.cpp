#include "keyassign/selector_dialog.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/text.h"
#include "keyassign/dialog_fakes.h"
#include "keyassign/selector_dialogs.h"
#include "model/dpi_tables.h"

namespace qv {
namespace {

using test::DialogLog;

// A point inside a rectangle.
struct Point {
  int x, y;
};
Point In(const layout::Rect& r) { return {r.left + 1, r.top + 1}; }

DialogEnd Click(SelectorDialog& dialog, Point p, DialogLog& log) { return dialog.OnSkinnedClick(p.x, p.y, log); }

TEST(SelectorDialog, OkWithoutAPickAnswersTheFirstItemInTheLanguage) {
  struct Case {
    const SelectorDialogKind* dialog;
    Language language;
    std::u16string first;
  };
  const Case cases[] = {
      {&HotKeyDialog(), Language::English, u"Copy"},
      {&HotKeyDialog(), Language::TraditionalChinese, u"複製"},
      {&MediaDialog(), Language::English, u"Next"},
      {&WindowsDialog(), Language::TraditionalChinese, u"打開多媒體播放器"},
  };
  for (const Case& c : cases) {
    DialogLog log;
    SelectorDialog dialog(*c.dialog, c.language);
    dialog.InitControls(log);
    EXPECT_EQ(log.texts.at(c.dialog->displayId), ListEntry(*c.dialog, 0, c.first)) << "as the list shows it";
    EXPECT_EQ(log.rects.at(c.dialog->displayId), c.dialog->display);
    EXPECT_EQ(dialog.Result(Click(dialog, In(layout::dialog::kOk), log)), (Choice{0, c.first})) << ToUtf8(c.first);
  }
}

TEST(SelectorDialog, APickIsAnsweredOnOkOnly) {
  struct Case {
    const SelectorDialogKind* dialog;
    Language language;
    int pick;
    std::u16string text;
    size_t items;
  };
  const Case cases[] = {
      {&HotKeyDialog(), Language::English, 7, u"Undo", 8},
      {&MediaDialog(), Language::English, 6, u"Vol-", 7},
      {&MediaDialog(), Language::SimplifiedChinese, 3, u"播放/暂停", 7},
      {&WindowsDialog(), Language::English, 8, u"Browser-Refresh", 9},
  };
  for (const Case& c : cases) {
    for (DialogEnd end : {DialogEnd::Ok, DialogEnd::Cancel}) {
      DialogLog log;
      SelectorDialog dialog(*c.dialog, c.language);
      dialog.InitControls(log);
      EXPECT_EQ(Click(dialog, In(c.dialog->selector), log), DialogEnd::None);
      ASSERT_EQ(log.lists.at(c.dialog->listId).size(), c.items) << ToUtf8(c.text);
      EXPECT_EQ(log.rects.at(c.dialog->listId), c.dialog->list);
      log.selections[c.dialog->listId] = c.pick;

      dialog.OnListPick(log);

      EXPECT_EQ(log.texts.at(c.dialog->displayId), ListEntry(*c.dialog, static_cast<size_t>(c.pick), c.text));
      EXPECT_FALSE(log.Exists(c.dialog->listId));
      EXPECT_FALSE(dialog.ListOpen());
      const Point button = In(end == DialogEnd::Ok ? layout::dialog::kOk : layout::dialog::kCancel);
      const std::optional<Choice> expected = end == DialogEnd::Ok ? std::optional<Choice>(Choice{c.pick, c.text}) : std::nullopt;
      EXPECT_EQ(dialog.Result(Click(dialog, button, log)), expected) << ToUtf8(c.text);
    }
  }
}

// The list says what an entry does; the choice keeps the bare item, which the key's name and
// the saved captions carry.
TEST(SelectorDialog, EntriesNameTheirKeysAndUnitWhileTheChoiceKeepsTheItem) {
  struct Case {
    const SelectorDialogKind* dialog;
    Language language;
    std::vector<std::u16string> items;  // none: the dialog's own
    int pick;
    std::u16string entry, chosen;
  };
  const Case cases[] = {
      {&HotKeyDialog(), Language::English, {}, 3, u"Select all (Ctrl+A)", u"Select all"},
      {&HotKeyDialog(), Language::SimplifiedChinese, {}, 7, u"撤销 (Ctrl+Z)", u"撤销"},
      {&SnipeDialog(), Language::English, SnipeValues(0), 4, u"1250 DPI", u"1250"},
      {&MediaDialog(), Language::English, {}, 5, u"Vol+", u"Vol+"},
  };
  for (const Case& c : cases) {
    DialogLog log;
    SelectorDialog dialog = c.items.empty() ? SelectorDialog(*c.dialog, c.language)
                                            : SelectorDialog(*c.dialog, c.language, c.items);
    Click(dialog, In(c.dialog->selector), log);
    EXPECT_EQ(log.lists.at(c.dialog->listId).at(static_cast<size_t>(c.pick)), c.entry);
    EXPECT_EQ(log.marked.at(c.dialog->listId), 0) << "the choice the dialog starts from";
    log.selections[c.dialog->listId] = c.pick;
    dialog.OnListPick(log);
    EXPECT_EQ(log.texts.at(c.dialog->displayId), c.entry) << "the display says what the list said";
    EXPECT_EQ(dialog.Result(Click(dialog, In(layout::dialog::kOk), log)), (Choice{c.pick, c.chosen}));
    Click(dialog, In(c.dialog->selector), log);
    EXPECT_EQ(log.marked.at(c.dialog->listId), c.pick) << "reopened on the new choice";
  }
}

TEST(SelectorDialog, PressesToggleTheListAndAPressElsewhereClosesIt) {
  const SelectorDialogKind& kind = WindowsDialog();
  const Point selector = In(kind.selector);
  const Point arrow{kind.selector.right - 2, kind.selector.top + 2};
  const Point background{10, 60};
  const Point inList{kind.list.left + 5, kind.list.bottom - 5};
  struct Case {
    const char* what;
    std::vector<Point> presses;
    bool open;
    DialogEnd end = DialogEnd::None;  // of the last press
  };
  const Case cases[] = {
      {"selector", {selector}, true},
      {"selector twice", {selector, selector}, false},
      {"display, then arrow", {selector, arrow}, false},
      {"selector, background", {selector, background}, false},
      {"selector, inside the list", {selector, inList}, true},
      {"selector, OK", {selector, In(layout::dialog::kOk)}, false, DialogEnd::Ok},
      {"OK and Cancel share x 270", {{270, 260}}, false, DialogEnd::Ok},
      {"Cancel", {{300, 260}}, false, DialogEnd::Cancel},
      {"selector, close", {selector, In(layout::dialog::kClose)}, false, DialogEnd::Cancel},
  };
  for (const Case& c : cases) {
    DialogLog log;
    SelectorDialog dialog(kind, Language::English);
    DialogEnd end = DialogEnd::None;
    for (Point p : c.presses) end = Click(dialog, p, log);
    EXPECT_EQ(end, c.end) << c.what;
    EXPECT_EQ(dialog.ListOpen(), c.open) << c.what;
    EXPECT_EQ(log.Exists(kind.listId), c.open) << c.what;
  }
}

TEST(SelectorDialog, PointingHighlightsWithoutChoosing) {
  const SelectorDialogKind& kind = HotKeyDialog();
  DialogLog log;
  SelectorDialog dialog(kind, Language::English);
  dialog.InitControls(log);
  dialog.TrackListUnderCursor(kind.listId, 4, log);
  EXPECT_FALSE(log.selections.count(kind.listId)) << "no list yet";
  Click(dialog, In(kind.selector), log);
  dialog.TrackListUnderCursor(kind.displayId, 4, log);
  EXPECT_FALSE(log.selections.count(kind.listId)) << "the display is not the list";
  dialog.TrackListUnderCursor(kind.listId, 4, log);
  EXPECT_EQ(log.selections.at(kind.listId), 4);
  dialog.TrackListUnderCursor(kind.listId, 8, log);
  EXPECT_EQ(log.selections.at(kind.listId), 4) << "past the last item";
  EXPECT_EQ(dialog.Result(Click(dialog, In(layout::dialog::kOk), log)), (Choice{0, u"Copy"}));
}

TEST(SelectorDialog, APickWithNoSelectionChangesNothing) {
  const SelectorDialogKind& kind = MediaDialog();
  DialogLog log;
  SelectorDialog dialog(kind, Language::English);
  dialog.InitControls(log);
  Click(dialog, In(kind.selector), log);
  dialog.OnListPick(log);
  EXPECT_TRUE(dialog.ListOpen());
  EXPECT_TRUE(log.Exists(kind.listId));
  EXPECT_EQ(log.setTexts, 0);
  EXPECT_EQ(dialog.Chosen(), (Choice{0, u"Next"}));
}

TEST(DialogFrame, EnterIsOkAndEverythingButOkIsCancel) {
  EXPECT_EQ(EndForKey(0x0D), DialogEnd::Ok);
  EXPECT_EQ(EndForKey(0x1B), DialogEnd::Cancel);
  EXPECT_EQ(EndForKey(0x20), DialogEnd::None);
  const std::pair<int64_t, DialogEnd> runs[] = {
      {1, DialogEnd::Ok}, {2, DialogEnd::Cancel}, {0, DialogEnd::Cancel}, {-1, DialogEnd::Cancel}};
  for (const auto& [result, end] : runs) EXPECT_EQ(EndOfRun(result), end) << result;
  EXPECT_EQ(BackgroundFailure(MediaDialog().frame),
            (MessageBoxText{u"error", u"Media Dialog Load background image failed!!!"}));
}

TEST(SnipeValues, AreTheStageValuesOfTheMouseTableSoTheValueShownIsTheValueSent) {
  // The snipe code is DpiCode(selector, position): position i must show stage value i.
  for (int selector = 0; selector < kDpiSelectorCount; ++selector) {
    const std::vector<std::u16string> values = SnipeValues(selector);
    ASSERT_EQ(static_cast<int>(values.size()), DpiLevelCount(selector)) << selector;
    for (int i = 0; i < DpiLevelCount(selector); ++i) EXPECT_EQ(values[static_cast<size_t>(i)], DpiValueText(selector, i));
  }
  EXPECT_EQ(SnipeValues(1).front(), u"500");  // not the 600 that would send the code of 500
  EXPECT_TRUE(SnipeValues(4).empty());
  EXPECT_TRUE(SnipeValues(-1).empty());
}

}  // namespace
}  // namespace qv
