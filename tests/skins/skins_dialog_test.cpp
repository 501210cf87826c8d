#include "skins/skins_dialog.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <ostream>
#include <vector>

#include "common/text.h"
#include "keyassign/dialog_fakes.h"
#include "keyassign/fire_key_dialog.h"
#include "keyassign/selector_dialogs.h"
#include "keyassign/single_key_dialog.h"
#include "ui/page_fakes.h"

namespace qv::skins {

// Failures name the folder, the name and the colour rather than bytes.
void PrintTo(const SkinSelection& s, std::ostream* os) {
  *os << ToUtf8(s.folder) << " | " << ToUtf8(s.name) << " | " << int{s.colour.red} << "," << int{s.colour.green} << ","
      << int{s.colour.blue};
}

namespace {

using test::DialogLog;

constexpr std::u16string_view kRoot = u"C:\\QV318\\/Skins";

// Folders as a map from path to entries; a path not in it does not exist.
struct FakeFolders : FolderListing {
  std::map<std::u16string, std::vector<FolderEntry>, std::less<>> folders;
  std::vector<FolderEntry> Entries(std::u16string_view folder) override {
    const auto it = folders.find(folder);
    return it == folders.end() ? std::vector<FolderEntry>{} : it->second;
  }
};

struct FakeChooser : ColourChooser {
  std::optional<Rgb> answer;
  int runs = 0;
  std::optional<Rgb> Choose() override {
    ++runs;
    return answer;
  }
};

// The colours folders recommend, by full path; any other folder names none.
struct FakeSkinColours : SkinColours {
  std::map<std::u16string, Rgb, std::less<>> byFolder;
  std::optional<Rgb> Recommended(std::u16string_view folder) override {
    const auto it = byFolder.find(folder);
    return it == byFolder.end() ? std::nullopt : std::optional{it->second};
  }
};

FolderEntry Dir(std::u16string name) { return {std::move(name), true}; }
FolderEntry File(std::u16string name) { return {std::move(name), false}; }

const SkinSelection kCurrent{u"C:\\QV318\\/Skins/Carbon", u"Carbon", Rgb{0, 255, 0}};

DialogEnd Press(SkinsDialog& dialog, const layout::Rect& r, DialogLog& log, ColourChooser& chooser) {
  return dialog.OnSkinnedClick(r.left + 1, r.top + 1, log, chooser);
}

TEST(SkinsDialog, ListsOnlyTheFoldersOfSkinsAndOkWithoutAChoiceKeepsTheSkin) {
  struct Case {
    const char* what;
    std::optional<std::vector<FolderEntry>> entries;  // none: no "Skins" folder
    std::vector<std::u16string> listed;
  };
  const Case cases[] = {
      {"files and folders mixed",
       std::vector{Dir(u"."), Dir(u".."), File(u"readme.txt"), Dir(u"Frost"), File(u"Carbon.zip"), Dir(u"..\\Windows"),
                   Dir(u"Carbon")},
       {u"Frost", u"Carbon"}},
      {"only files", std::vector{Dir(u"."), Dir(u".."), File(u"main.png")}, {}},
      {"no Skins folder", std::nullopt, {}},
  };
  for (const Case& c : cases) {
    FakeFolders folders;
    if (c.entries) folders.folders[std::u16string(kRoot)] = *c.entries;
    FakeChooser chooser;
    DialogLog log;
    SkinsDialog dialog(Language::English, folders, std::u16string(kRoot), kCurrent);
    dialog.InitControls(log);
    EXPECT_EQ(log.texts.at(kSkinNameId), u"Carbon") << c.what;
    EXPECT_EQ(log.rects.at(kSwatchId), layout::skins_dialog::kSwatch) << c.what;

    EXPECT_EQ(Press(dialog, layout::skins_dialog::kSelector, log, chooser), DialogEnd::None);
    EXPECT_EQ(log.lists.at(kSkinListId), c.listed) << c.what;
    EXPECT_EQ(dialog.Result(Press(dialog, layout::dialog::kOk, log, chooser)), kCurrent) << c.what;
    EXPECT_EQ(chooser.runs, 0) << c.what;
  }
}

TEST(SkinsDialog, AColourReachesTheMainWindowOnlyThroughOk) {
  struct Case {
    std::optional<Rgb> chosen;  // none: the colour dialog was cancelled
    layout::Rect end;
    std::optional<Rgb> result;  // none: the dialog answers nothing
  };
  const Rgb red{255, 0, 0};
  const Case cases[] = {
      {red, layout::dialog::kOk, red},
      {red, layout::dialog::kCancel, std::nullopt},
      {red, layout::dialog::kClose, std::nullopt},
      {std::nullopt, layout::dialog::kOk, kCurrent.colour},
  };
  for (const Case& c : cases) {
    FakeFolders folders;
    FakeChooser chooser;
    chooser.answer = c.chosen;
    DialogLog log;
    SkinsDialog dialog(Language::English, folders, std::u16string(kRoot), kCurrent);
    dialog.InitControls(log);

    EXPECT_EQ(Press(dialog, layout::skins_dialog::kSwatch, log, chooser), DialogEnd::None);
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(log.invalidated[kSwatchId], c.chosen ? 1 : 0);
    EXPECT_EQ(dialog.ColoursOf(ControlKind::Static, kSwatchId).brush, c.chosen.value_or(kCurrent.colour));
    EXPECT_EQ(dialog.ColoursOf(ControlKind::Static, kSkinNameId).brush, kSubDialogDark);

    std::optional<SkinSelection> expected;
    if (c.result) expected = SkinSelection{kCurrent.folder, kCurrent.name, *c.result};
    EXPECT_EQ(dialog.Result(Press(dialog, c.end, log, chooser)), expected);
  }
}

TEST(SkinsDialog, APickedNameTakesTheFirstFolderEqualToItIgnoringAsciiCase) {
  struct Case {
    std::vector<FolderEntry> entries;
    int pick;
    std::vector<FolderEntry> atPick;  // what the folder holds when the pick is made
    std::u16string name;
    std::u16string folder;
  };
  const std::u16string root(kRoot);
  const Case cases[] = {
      {{Dir(u"Frost"), Dir(u"Carbon")}, 0, {Dir(u"Frost"), Dir(u"Carbon")}, u"Frost", root + u"/Frost"},
      {{Dir(u"FROST"), Dir(u"Frost")}, 1, {File(u"frost"), Dir(u"FROST"), Dir(u"Frost")}, u"Frost", root + u"/FROST"},
      // Only ASCII letters fold: "É" and "é" are two names.
      {{Dir(u"É"), Dir(u"é")}, 1, {Dir(u"É"), Dir(u"é")}, u"é", root + u"/é"},
      // Gone before the pick: the name changes, the folder in use stays.
      {{Dir(u"Frost")}, 0, {Dir(u"Carbon")}, u"Frost", kCurrent.folder},
  };
  for (const Case& c : cases) {
    FakeFolders folders;
    folders.folders[root] = c.entries;
    FakeChooser chooser;
    DialogLog log;
    SkinsDialog dialog(Language::English, folders, root, kCurrent);
    dialog.InitControls(log);
    Press(dialog, layout::skins_dialog::kSelector, log, chooser);
    folders.folders[root] = c.atPick;
    log.selections[kSkinListId] = c.pick;

    FakeSkinColours none;
    dialog.OnListPick(log, none);

    EXPECT_EQ(log.texts.at(kSkinNameId), c.name);
    EXPECT_FALSE(log.Exists(kSkinListId));
    EXPECT_EQ(dialog.Result(Press(dialog, layout::dialog::kOk, log, chooser)),
              (SkinSelection{c.folder, c.name, kCurrent.colour}))
        << ToUtf8(c.folder);
  }
}

TEST(SkinsDialog, APickedSkinPreselectsItsRecommendedColourWhichTheSwatchMayStillChange) {
  const Rgb blue{24, 100, 210};
  const Rgb red{255, 0, 0};
  struct Case {
    const char* what;
    std::optional<Rgb> recommended;  // none: the folder has no skin.ini
    std::optional<Rgb> thenChosen;   // a colour picked in the swatch after the skin
    Rgb result;
    int swatchRepaints;
  };
  const Case cases[] = {
      {"a shipped skin", blue, std::nullopt, blue, 1},
      {"a skin a user made", std::nullopt, std::nullopt, kCurrent.colour, 0},
      {"a colour after the skin", blue, red, red, 2},
  };
  const std::u16string root(kRoot);
  for (const Case& c : cases) {
    FakeFolders folders;
    folders.folders[root] = {Dir(u"Carbon"), Dir(u"Frost")};
    FakeSkinColours colours;
    if (c.recommended) colours.byFolder[root + u"/Frost"] = *c.recommended;
    FakeChooser chooser;
    chooser.answer = c.thenChosen;
    DialogLog log;
    SkinsDialog dialog(Language::English, folders, root, kCurrent);
    dialog.InitControls(log);
    Press(dialog, layout::skins_dialog::kSelector, log, chooser);
    log.selections[kSkinListId] = 1;
    dialog.OnListPick(log, colours);
    EXPECT_EQ(dialog.ColoursOf(ControlKind::Static, kSwatchId).brush, c.recommended.value_or(kCurrent.colour))
        << c.what;
    if (c.thenChosen) Press(dialog, layout::skins_dialog::kSwatch, log, chooser);

    EXPECT_EQ(log.invalidated[kSwatchId], c.swatchRepaints) << c.what;
    EXPECT_EQ(dialog.Result(Press(dialog, layout::dialog::kOk, log, chooser)),
              (SkinSelection{root + u"/Frost", u"Frost", c.result}))
        << c.what;
  }
}

// Each of the seven dialogs says what it sets, on the title plate in every skin: the title
// font in the plate's dark grey, whatever the user's text colour; no two share a title.
TEST(DialogTitles, EveryDialogDrawsItsOwnTitleOnThePlateInEachLanguage) {
  const DialogFrame* frames[] = {&HotKeyDialog().frame, &MediaDialog().frame, &WindowsDialog().frame,
                                 &SnipeDialog().frame, &FireKeyDialog::Frame(), &SingleKeyDialog::Frame(),
                                 &SkinsDialogKind().frame};
  for (const Language language : {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
    std::set<std::u16string_view> seen;
    for (const DialogFrame* frame : frames) {
      const std::u16string_view title = frame->title[language];
      EXPECT_TRUE(seen.insert(title).second && !title.empty()) << ToUtf8(title);
      test::PageLog log;
      PaintSkinnedDialog(log, FrameLook{u"OK", u"Cancel", Rgb{0, 255, 0}, title}, {});
      const test::Call* drawn = log.FindText(title);
      ASSERT_NE(drawn, nullptr) << ToUtf8(title);
      EXPECT_EQ(drawn->rect, layout::dialog::kTitle);
      EXPECT_EQ(drawn->font, FontRole::Title);
      EXPECT_EQ(drawn->colour, kTitlePlateText);
    }
  }
  EXPECT_EQ(SnipeDialog().frame.title[Language::English], u"Snipe DPI");
  EXPECT_EQ(MediaDialog().frame.title[Language::English], u"Multimedia key");
}

}  // namespace
}  // namespace qv::skins
