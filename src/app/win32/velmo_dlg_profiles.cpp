// Named profiles from the tray: the submenu, saving the current setup under a name, a
// profile sent through the Apply pipeline, the tip naming the profile on the mouse, and the
// switches made by the program in front and by the hot key.
#include "app/profile_texts.h"
#include "app/win32/profile_name_dialog.h"
#include "app/win32/manage_profiles_dialog.h"
#include "app/win32/velmo_dlg.h"
#include "common/paths.h"
#include "common/text.h"
#include "common/win32/wide.h"
#include "config/apply.h"
#include "config/local_files.h"
#include "config/settings.h"

namespace qv::win {
namespace {

struct SilentMessageBoxes final : MessageBoxes {
  void Show(std::u16string_view, std::u16string_view) override {}
};

}  // namespace

ProfileLibrary CVelmoDlg::Profiles() {
  const std::u16string base = local_.paths.configFile.empty() ? local_.paths.skinBase
                                                              : std::u16string(DirectoryOf(local_.paths.configFile));
  return ProfileLibrary(files_, JoinPath(base, kProfilesFolder));
}

void CVelmoDlg::AppendProfileItems(HMENU menu) {
  // Profiles saved since (by qv318ctl, or copied in) may hold what the mouse holds: check it.
  TakeProfileOnMouse();
  profileMenu_ = Profiles().Names();
  profileSettings_ = Profiles().Settings();
  UniqueMenu sub(CreatePopupMenu());
  for (size_t i = 0; i < profileMenu_.size() && i < kProfileCommandCount; ++i) {
    const UINT checked = profileMenu_[i] == profileOnMouse_ ? MF_CHECKED : 0u;
    AppendMenuW(sub.get(), MF_STRING | checked, kFirstProfileCommand + static_cast<UINT>(i), Wide(profileMenu_[i]).c_str());
  }
  if (profileMenu_.empty()) {
    AppendMenuW(sub.get(), MF_STRING | MF_GRAYED, 0, Wide(ProfileWords(ProfileText::NoProfiles, language_)).c_str());
  }
  AppendMenuW(sub.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(sub.get(), MF_STRING, kProfileSaveAsCommand, Wide(ProfileWords(ProfileText::SaveAs, language_)).c_str());
  AppendMenuW(sub.get(), MF_STRING, kProfileManageCommand, Wide(ProfileWords(ProfileText::Manage, language_)).c_str());
  AppendMenuW(sub.get(), MF_STRING | (profileSettings_.switchAutomatically ? MF_CHECKED : 0u), kProfileSwitchCommand,
              Wide(ProfileWords(ProfileText::SwitchAutomatically, language_)).c_str());
  // As the language items: nothing is chosen under a dialog or a message box.
  const UINT enabled = IsWindowEnabled(hwnd()) ? 0u : MF_GRAYED;
  AppendMenuW(menu, MF_POPUP | enabled, reinterpret_cast<UINT_PTR>(sub.release()),
              Wide(ProfileWords(ProfileText::Menu, language_)).c_str());
}

MessageResult CVelmoDlg::OnProfileCommand(UINT id) {
  if (!IsWindowEnabled(hwnd())) return 0;
  if (id == kProfileSaveAsCommand) SaveProfileAs();
  if (id == kProfileManageCommand) ManageProfiles();
  if (id == kProfileSwitchCommand) ToggleSwitchAutomatically();
  const size_t index = id - kFirstProfileCommand;
  if (id >= kFirstProfileCommand && index < profileMenu_.size()) ChooseProfile(profileMenu_[index], false);
  return 0;
}

bool CVelmoDlg::ChooseProfile(const std::u16string& name, bool automatic) {
  auto loaded = Profiles().Load(name);
  if (const auto* refused = std::get_if<std::string>(&loaded)) {
    if (!automatic) {
      messageBoxes_.Show(ProfileWords(ProfileText::Refused, language_, name) + u"\n\n" + FromUtf8(*refused) + u".", u"");
    }
    return false;
  }
  if (!state_.connected) {
    if (!automatic) SendNotice(kNoticeMouseMissing, 0);
    return false;
  }
  // The page shows the mouse's state here (automatic switching waits for unapplied edits).
  const UiRecord recordBefore = state_.record;
  const auto namesBefore = local_.settings.keyNames;
  OverlayProfile(std::get<Profile>(loaded), state_.record, local_.settings.keyNames);
  const uint8_t selectorBefore = state_.dpiSelector;
  // A switch the player did not ask for at that moment tells its failure once, in a balloon.
  SilentMessageBoxes silent;
  MessageBoxes& boxes = automatic ? static_cast<MessageBoxes&>(silent) : messageBoxes_;
  const ApplyServices services{*mouse_,        files_, profile_, boxes, Text(language_, kSlotMouseMissing),
                               transferLock_, MouseBusyText(language_)};
  ButtonResult result;
  const bool settleDue = deviceWatch_.Run([&] { result = PressApply(state_, local_, services); });
  if (automatic && !result.applied) {
    // Not the player's edits: the page and the setup being edited stay what the mouse held.
    state_.record = recordBefore;
    local_.settings.keyNames = namesBefore;
    SaveConfigFile(files_, silent, local_.paths, state_.record);
    WriteKeyNames(profile_, local_.paths.settingsFile, local_.settings);
  }
  // The page shows the profile, in the columns of the DPI table it was sent with.
  if (page_.state == PageState::Shown || state_.dpiSelector != selectorBefore) RebuildPage(KeyNamesFrom::Memory);
  profileOnMouse_ = result.applied ? name : std::u16string();
  tray_.SetTip(TrayTip(profileOnMouse_));
  if (result.applied) tray_.Show(ProfileNotice(ProfileText::Taken, language_, name));
  AfterTransfers(settleDue);
  return result.applied;
}

void CVelmoDlg::SaveProfileAs() {
  StartImages();  // the dialog is drawn from the skin, the window may never have been shown
  CProfileNameDialog dialog(SubDialogs(), NamePurpose::Save);
  const std::optional<std::u16string> chosen = dialog.RunForName(hwnd());
  if (!IsWindowVisible(hwnd())) ScheduleRelease();
  if (!chosen) return;
  const std::u16string& name = *chosen;
  ProfileLibrary library = Profiles();
  if (library.Exists(name)) {
    const std::wstring question = Wide(ProfileWords(ProfileText::NameExists, language_, name));
    const std::wstring title = Wide(ProfileWords(ProfileText::NameTitle, language_));
    if (MessageBoxW(hwnd(), question.c_str(), title.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  }
  // What the page shows now, edits not applied yet included; the mouse is not written.
  if (const auto failed = library.Save(name, ProfileOf(state_.record, local_.settings.keyNames))) {
    messageBoxes_.Show(FromUtf8(*failed + "."), u"");
    return;
  }
  tray_.Show(ProfileNotice(ProfileText::Saved, language_, name));
  TakeProfileOnMouse();
}

void CVelmoDlg::ManageProfiles() {
  ProfileLibrary library = Profiles();
  StartImages();
  CManageProfilesDialog dialog(SubDialogs(), library);
  dialog.RunOver(hwnd());
  if (!IsWindowVisible(hwnd())) ScheduleRelease();
  // The hot key, the default and the programs bound may have changed, a profile renamed.
  StartProfileSwitching();
  TakeProfileOnMouse();
}

void CVelmoDlg::ToggleSwitchAutomatically() {
  ProfileLibrary library = Profiles();
  profileSettings_ = library.Settings();
  profileSettings_.switchAutomatically = !profileSettings_.switchAutomatically;
  if (const auto failed = library.SaveSettings(profileSettings_)) messageBoxes_.Show(FromUtf8(*failed + "."), u"");
  StartProfileSwitching();
}

void CVelmoDlg::TakeProfileOnMouse() {
  ProfileLibrary library = Profiles();
  std::u16string found;
  if (state_.imageComplete) {
    // The one last chosen first: two profiles may hold the same settings.
    std::vector<std::u16string> names = library.Names();
    std::stable_partition(names.begin(), names.end(), [&](const std::u16string& n) { return n == profileOnMouse_; });
    for (const std::u16string& name : names) {
      const auto loaded = library.Load(name);
      if (const auto* profile = std::get_if<Profile>(&loaded); profile && SameOnMouse(*profile, state_.savedCopy)) {
        found = name;
        break;
      }
    }
  }
  profileOnMouse_ = found;
  tray_.SetTip(TrayTip(profileOnMouse_));
}

void CVelmoDlg::StartProfileSwitching() {
  profileSettings_ = Profiles().Settings();
  if (hotKeyRegistered_) UnregisterHotKey(hwnd(), kProfileHotKeyId);
  hotKeyRegistered_ = profileSettings_.hotKeyVirtualKey != 0 &&
                      RegisterHotKey(hwnd(), kProfileHotKeyId, profileSettings_.hotKeyModifiers | MOD_NOREPEAT,
                                     profileSettings_.hotKeyVirtualKey);
  if (!profileSettings_.switchAutomatically) {
    foreground_.Stop();
    KillTimer(hwnd(), kProfileSwitchTimer);
    return;
  }
  foreground_.Start([this](const std::u16string& path) {
    profileSettings_ = Profiles().Settings();  // qv318ctl may have bound a program since
    autoSwitch_.Foreground(path, static_cast<int64_t>(GetTickCount64()));
  });
  SetTimer(hwnd(), kProfileSwitchTimer, kProfileSwitchTickMs, nullptr);
}

bool CVelmoDlg::ProfileSwitchBlocked() {
  return !startupDone_ || !IsWindowEnabled(hwnd()) || !state_.connected || state_.record != state_.savedCopy;
}

void CVelmoDlg::OnProfileSwitchTick() {
  foreground_.Poll();
  const int64_t now = static_cast<int64_t>(GetTickCount64());
  ProfileLibrary library = Profiles();
  const auto holds = [&](const std::u16string& name) {
    if (name == profileOnMouse_) return true;
    const auto loaded = library.Load(name);
    const auto* profile = std::get_if<Profile>(&loaded);
    return profile != nullptr && state_.imageComplete && SameOnMouse(*profile, state_.savedCopy);
  };
  const auto due = autoSwitch_.Due(profileSettings_, {now, ProfileSwitchBlocked(), holds});
  if (!due) return;
  const bool taken = ChooseProfile(*due, true);
  if (autoSwitch_.Written(*due, taken, static_cast<int64_t>(GetTickCount64()))) {
    tray_.Show(ProfileNotice(ProfileText::AutoFailed, language_, *due));
  }
}

void CVelmoDlg::StepProfile() {
  if (ProfileSwitchBlocked()) return;
  const std::vector<std::u16string> names = Profiles().Names();
  if (names.empty()) return;
  const auto current = std::find(names.begin(), names.end(), profileOnMouse_);
  const size_t next = current == names.end() ? 0 : static_cast<size_t>(current - names.begin() + 1) % names.size();
  ChooseProfile(names[next], false);
}

}  // namespace qv::win
