#pragma once
// The profiles' two dialogs on the skinned sub-dialog frame: the name a setup is saved,
// renamed or duplicated under, and the manager (the list of profiles and what can be done
// to one, the programs that choose it, the hot key). The Win32 frame forwards its messages
// here; what needs the system (a file chooser, a question, the name prompt) is asked of it.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keyassign/dialog_controls.h"
#include "keyassign/dialog_frame.h"
#include "keyassign/dialog_keys.h"
#include "keyassign/frame_looks.h"
#include "keyassign/selector_dialog.h"
#include "profiles/profile_library.h"
#include "ui/control_colours.h"
#include "ui/language.h"

namespace qv {

inline constexpr int kProfileNameFieldId = 570;
inline constexpr int kProfileListId = 571;
inline constexpr int kProgramListId = 572;
inline constexpr int kRunningDisplayId = 573;
inline constexpr int kRunningListId = 574;
inline constexpr int kFullPathBoxId = 575;
inline constexpr int kHotKeyDisplayId = 576;

enum class NamePurpose { Save, Rename, Duplicate };

class ProfileNameDialog {
 public:
  // `initial`: what the field starts with (a rename starts from the old name).
  ProfileNameDialog(Language language, NamePurpose purpose, std::u16string initial);
  ProfileNameDialog(const ProfileNameDialog&) = delete;  // its labels point into it
  ProfileNameDialog& operator=(const ProfileNameDialog&) = delete;

  static const DialogFrame& Frame(NamePurpose purpose);
  static std::vector<DialogStop> Stops(Language language);
  void InitControls(DialogControls& controls) const;
  // OK ends the run only with a name that can be a profile's; Cancel and close end it.
  DialogEnd OnPress(int x, int y, DialogControls& controls);
  // Enter or OK: true when the name is refused and the dialog stays open, the prompt
  // saying why and the name kept for mending.
  bool Refuses(DialogControls& controls);
  std::span<const DialogLabel> Labels() const { return labels_; }
  std::optional<std::u16string> Result(DialogEnd end) const;
  NamePurpose Purpose() const { return purpose_; }

 private:
  Language language_;
  NamePurpose purpose_;
  std::u16string initial_;
  std::u16string prompt_;
  std::u16string name_;
  std::array<DialogLabel, 1> labels_;
};

// A global hot key as RegisterHotKey takes it: MOD_* bits and a virtual key.
struct HotKey {
  uint32_t modifiers = 0;
  uint32_t virtualKey = 0;
  friend bool operator==(const HotKey&, const HotKey&) = default;
};

// A key pressed on the hot key field: a key with Ctrl, Alt or Windows, or an F key, is a
// hot key; Backspace or Delete alone clears it ({0, 0}); anything else is not taken, so
// that Tab, Enter, Esc and typing keep their roles and no plain key is taken from every
// program.
std::optional<HotKey> HotKeyFromPress(uint32_t virtualKey, uint32_t modifiers);
// "Ctrl+Alt+P", "F9"; the word for none when there is no key.
std::u16string HotKeyText(const HotKey& key, Language language);

// What the manager needs of the system.
class ProfileManagerAsker {
 public:
  virtual ~ProfileManagerAsker() = default;
  virtual std::optional<std::u16string> AskName(NamePurpose purpose, const std::u16string& initial) = 0;
  virtual bool Confirm(std::u16string_view question) = 0;
  // A file chosen in the system's open dialog: a profile file, or with `program` an .exe;
  // empty when cancelled.
  virtual std::u16string ChooseToOpen(bool program) = 0;
  virtual std::u16string ChooseToSave(std::u16string_view suggestedName) = 0;
  virtual void Tell(std::u16string_view failure) = 0;
};

class ManageProfilesDialog {
 public:
  enum Stop { kListStop, kRenameStop, kDuplicateStop, kDeleteStop, kImportStop, kExportStop, kDefaultStop,
              kProgramsStop, kUnbindStop, kBrowseStop, kRunningStop, kFullPathStop, kHotKeyStop };

  // `running`: the full paths of the programs with a window, offered for binding.
  ManageProfilesDialog(ProfileLibrary& library, Language language, std::vector<std::u16string> running);
  ManageProfilesDialog(const ManageProfilesDialog&) = delete;  // its labels point into it
  ManageProfilesDialog& operator=(const ManageProfilesDialog&) = delete;

  static const DialogFrame& Frame();
  static std::vector<DialogStop> Stops(Language language);
  void InitControls(DialogControls& controls);

  // A press: the running programs' list opens or closes, OK, Cancel and close end the run
  // (every change is made at once, so both only close), the buttons act on the profile
  // selected, the box ticks or clears the full path.
  DialogEnd OnPress(int x, int y, DialogControls& controls, ProfileManagerAsker& asker);
  // A list's selection changed: another profile shows its programs; a running program
  // picked is bound to the profile selected.
  void OnListPick(DialogControls& controls, ProfileManagerAsker& asker);
  void TrackList(int listId, int item, DialogControls& controls) const;
  // A key on the hot key field: true when it was taken (and saved).
  bool OnHotKeyPress(uint32_t virtualKey, uint32_t modifiers, DialogControls& controls, ProfileManagerAsker& asker);

  std::span<const DialogLabel> Labels() const { return labels_; }
  bool FullPath() const { return fullPath_; }
  // The full path box filled in `tick` when ticked; every other control as on every sub-dialog.
  ControlColours ColoursOf(ControlKind kind, int id, Rgb tick) const;

 private:
  void Act(int stop, DialogControls& controls, ProfileManagerAsker& asker);
  void Fill(DialogControls& controls, const std::u16string& select);
  void FillPrograms(DialogControls& controls);
  void Bind(const std::u16string& imagePath, DialogControls& controls, ProfileManagerAsker& asker);
  void Unbind(DialogControls& controls, ProfileManagerAsker& asker);
  void SaveSettings(const ProfileSettings& settings, DialogControls& controls, ProfileManagerAsker& asker);
  // True when `failure` is none; else it is told.
  static bool Done(const std::optional<std::string>& failure, ProfileManagerAsker& asker);
  std::u16string Selected() const;

  ProfileLibrary& library_;
  Language language_;
  std::vector<std::u16string> running_;
  SelectorDialogKind runningKind_;
  SelectorDialog runningSelector_;
  std::vector<std::u16string> names_;
  std::optional<int> selected_;
  std::vector<std::u16string> programs_;  // bound to the selected profile, in list order
  bool fullPath_ = false;
  std::vector<std::u16string> texts_;
  std::vector<DialogLabel> labels_;
};

}  // namespace qv
