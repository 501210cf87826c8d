// The profiles' dialogs: the name prompt refusing a name, the hot key field's rules, and the
// manager acting on the profile selected, on a real folder, with the system's answers faked.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "../keyassign/dialog_fakes.h"
#include "app/profile_dialogs.h"
#include "cli/std_services.h"
#include "config/defaults.h"
#include "ui/layout.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
namespace pd = layout::profiles_dialog;

constexpr uint32_t kCtrl = 2, kAlt = 1, kShift = 4;

void Press(const layout::Rect& r, auto& dialog, auto&... rest) {
  dialog.OnPress((r.left + r.right) / 2, (r.top + r.bottom) / 2, rest...);
}

TEST(ProfileNamePrompt, RefusesANameThatCannotBeAFileSaysWhyAndKeepsIt) {
  ProfileNameDialog dialog(Language::English, NamePurpose::Rename, u"Desk");
  test::DialogLog controls;
  dialog.InitControls(controls);
  EXPECT_EQ(controls.TextOf(kProfileNameFieldId), u"Desk");
  controls.texts[kProfileNameFieldId] = u"a/b";
  EXPECT_EQ(dialog.OnPress((layout::dialog::kOk.left + layout::dialog::kOk.right) / 2, layout::dialog::kOk.top + 5,
                           controls),
            DialogEnd::None);
  EXPECT_NE(dialog.Labels()[0].text, u"Name of the profile:");  // the reason instead of the prompt
  EXPECT_EQ(controls.TextOf(kProfileNameFieldId), u"a/b");
  controls.texts[kProfileNameFieldId] = u"Games";
  EXPECT_FALSE(dialog.Refuses(controls));  // Enter
  EXPECT_EQ(dialog.Result(DialogEnd::Ok), u"Games");
  EXPECT_EQ(dialog.Result(DialogEnd::Cancel), std::nullopt);
}

TEST(HotKeyField, TakesChordsAndFunctionKeysClearsWithBackspaceAndLeavesTheRest) {
  struct Case {
    uint32_t key, modifiers;
    std::optional<HotKey> taken;
    std::u16string_view text;
  };
  const Case cases[] = {
      {'P', kCtrl | kAlt, HotKey{kCtrl | kAlt, 'P'}, u"Ctrl+Alt+P"},
      {0x78, 0, HotKey{0, 0x78}, u"F9"},
      {0x25, kShift | kCtrl, HotKey{kShift | kCtrl, 0x25}, u"Ctrl+Shift+Left"},
      {0x08, 0, HotKey{}, u"None"},
      {'P', 0, std::nullopt, u""},        // typing
      {'P', kShift, std::nullopt, u""},   // a capital letter in every program
      {0x09, 0, std::nullopt, u""},       // Tab moves on
      {0x0D, 0, std::nullopt, u""},       // Enter is OK
      {0x1B, 0, std::nullopt, u""},       // Esc is Cancel
      {0x11, kCtrl, std::nullopt, u""},   // Ctrl alone, still being held for a chord
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(HotKeyFromPress(c.key, c.modifiers), c.taken);
    if (c.taken) {
      EXPECT_EQ(HotKeyText(*c.taken, Language::English), c.text);
    }
  }
}

class FakeAsker : public ProfileManagerAsker {
 public:
  std::optional<std::u16string> name;
  bool yes = false;
  std::u16string program;
  std::vector<std::u16string> told;
  int questions = 0;

  std::optional<std::u16string> AskName(NamePurpose, const std::u16string&) override { return name; }
  bool Confirm(std::u16string_view) override {
    ++questions;
    return yes;
  }
  std::u16string ChooseToOpen(bool) override { return program; }
  std::u16string ChooseToSave(std::u16string_view) override { return {}; }
  void Tell(std::u16string_view failure) override { told.emplace_back(failure); }
};

class ManageProfiles : public ::testing::Test {
 protected:
  ManageProfiles()
      : folder_(fs::temp_directory_path() / ("qv318-manage-" + std::to_string(std::random_device{}()))),
        library_(files_, folder_.u16string()) {
    for (const char16_t* name : {u"Desk", u"Games"}) library_.Save(name, ProfileOf(DefaultRecord(), {}));
  }
  ~ManageProfiles() override { fs::remove_all(folder_); }

  fs::path folder_;
  cli::StdFileSystem files_;
  ProfileLibrary library_;
  test::DialogLog controls_;
  FakeAsker asker_;
};

TEST_F(ManageProfiles, ActsOnTheProfileSelectedAsksBeforeDeletingAndTellsWhatFailed) {
  ManageProfilesDialog dialog(library_, Language::English, {u"C:\\Games\\game.exe"});
  dialog.InitControls(controls_);
  EXPECT_EQ(controls_.lists[kProfileListId], (std::vector<std::u16string>{u"Desk", u"Games"}));
  controls_.Select(kProfileListId, 1);
  dialog.OnListPick(controls_, asker_);

  asker_.name = u"Desk";  // taken already: said, nothing changes
  Press(pd::kActions[0], dialog, controls_, asker_);
  ASSERT_EQ(asker_.told.size(), 1u);
  EXPECT_EQ(library_.Names(), (std::vector<std::u16string>{u"Desk", u"Games"}));

  Press(pd::kActions[2], dialog, controls_, asker_);  // delete, declined
  EXPECT_EQ(asker_.questions, 1);
  EXPECT_TRUE(library_.Exists(u"Games"));

  Press(pd::kActions[5], dialog, controls_, asker_);  // the default
  EXPECT_EQ(library_.Settings().defaultProfile, u"Games");
  EXPECT_EQ(controls_.lists[kProfileListId][1], u"Games (default)");

  // A running program by file name, then by full path once the box is ticked.
  Press(pd::kRunningSelector, dialog, controls_, asker_);
  controls_.Select(kRunningListId, 0);
  dialog.OnListPick(controls_, asker_);
  Press(pd::kFullPath, dialog, controls_, asker_);
  asker_.program = u"D:\\Other\\tool.exe";
  Press(pd::kBrowse, dialog, controls_, asker_);
  EXPECT_EQ(library_.Settings().bindings,
            (std::vector<ProfileBinding>{{u"game.exe", u"Games"}, {u"D:\\Other\\tool.exe", u"Games"}}));
  EXPECT_EQ(controls_.lists[kProgramListId].size(), 2u);

  asker_.name = u"Play";  // renamed: its programs and the default go with it
  Press(pd::kActions[0], dialog, controls_, asker_);
  EXPECT_EQ(library_.Names(), (std::vector<std::u16string>{u"Desk", u"Play"}));
  EXPECT_EQ(library_.Settings().defaultProfile, u"Play");
  EXPECT_EQ(controls_.lists[kProgramListId].size(), 2u);

  asker_.yes = true;
  Press(pd::kActions[2], dialog, controls_, asker_);
  EXPECT_EQ(library_.Names(), std::vector<std::u16string>{u"Desk"});
  EXPECT_TRUE(library_.Settings().bindings.empty());
  EXPECT_EQ(asker_.told.size(), 1u);
}

}  // namespace
}  // namespace qv
