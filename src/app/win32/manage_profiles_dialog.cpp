#include "app/win32/manage_profiles_dialog.h"

#include <commdlg.h>

#include <algorithm>

#include "app/profile_texts.h"
#include "app/win32/foreground_watch.h"
#include "app/win32/profile_name_dialog.h"
#include "common/win32/wide.h"
#include "ui/layout.h"

namespace qv::win {
namespace {

// A file chosen in the system's open or save dialog; empty when cancelled.
std::u16string ChooseFile(HWND owner, const std::u16string& filterName, const wchar_t* pattern, bool save,
                          std::u16string_view suggested = {}) {
  std::wstring filter = Wide(filterName) + L'\0' + pattern + L'\0' + L'\0';
  wchar_t file[MAX_PATH * 4] = {};
  const std::wstring start = Wide(std::u16string(suggested.substr(0, MAX_PATH)));
  std::copy(start.begin(), start.end(), file);
  OPENFILENAMEW chooser{};
  chooser.lStructSize = sizeof(chooser);
  chooser.hwndOwner = owner;
  chooser.lpstrFilter = filter.c_str();
  chooser.lpstrFile = file;
  chooser.nMaxFile = static_cast<DWORD>(std::size(file));
  chooser.lpstrDefExt = save ? L"qvprofile" : nullptr;
  chooser.Flags = OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameW(&chooser) : GetOpenFileNameW(&chooser);
  return chosen ? U16(file) : std::u16string();
}

BOOL CALLBACK CollectProgram(HWND window, LPARAM context) {
  auto& programs = *reinterpret_cast<std::vector<std::u16string>*>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr || process == GetCurrentProcessId()) {
    return TRUE;
  }
  const std::u16string path = ImagePathOfWindow(window);
  if (!path.empty() && std::ranges::find(programs, path) == programs.end()) programs.push_back(path);
  return TRUE;
}

// Posted at the start: the list of profiles takes the focus once the dialog manager has
// placed its own, so that the arrows choose a profile and Tab goes on to its buttons.
constexpr UINT kFocusListMessage = WM_APP + 41;

std::vector<std::u16string> RunningPrograms() {
  std::vector<std::u16string> programs;
  EnumWindows(CollectProgram, reinterpret_cast<LPARAM>(&programs));
  return programs;
}

// MOD_* of the modifier keys held now.
uint32_t HeldModifiers() {
  constexpr std::pair<int, uint32_t> kHeld[] = {
      {VK_CONTROL, MOD_CONTROL}, {VK_MENU, MOD_ALT}, {VK_SHIFT, MOD_SHIFT}, {VK_LWIN, MOD_WIN}, {VK_RWIN, MOD_WIN}};
  uint32_t modifiers = 0;
  for (const auto& [key, bit] : kHeld) {
    if (GetKeyState(key) < 0) modifiers |= bit;
  }
  return modifiers;
}

}  // namespace

CManageProfilesDialog::CManageProfilesDialog(const SubDialogContext& context, ProfileLibrary& library)
    : CSkinnedDialog(ManageProfilesDialog::Frame(), context, ManageProfilesDialog::Stops(context.language)),
      core_(library, context.language, RunningPrograms()) {}

void CManageProfilesDialog::InitOwnControls(DialogControls& controls) {
  core_.InitControls(controls);
  SetWindowTextW(hwnd(), Wide(ManageProfilesDialog::Frame().title[Context().language]).c_str());
  PostMessageW(hwnd(), kFocusListMessage, 0, 0);
}

MessageResult CManageProfilesDialog::OnOwnMessage(UINT message, WPARAM, LPARAM) {
  if (message != kFocusListMessage) return std::nullopt;
  if (HWND list = GetDlgItem(hwnd(), kProfileListId)) SetFocus(list);
  return 0;
}

DialogEnd CManageProfilesDialog::OnPress(int x, int y, DialogControls& controls) {
  if (layout::profiles_dialog::kHotKeyField.Contains(x, y)) {
    hotKeyArmed_ = true;  // clicked, or Space or Enter on it: the field takes the next hot key
    FocusStop(ManageProfilesDialog::kHotKeyStop);
    return DialogEnd::None;
  }
  const DialogEnd end = core_.OnPress(x, y, controls, *this);
  // The running programs' list drops over the controls below the selector.
  if (HWND list = GetDlgItem(hwnd(), kRunningListId)) {
    SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (end == DialogEnd::None) InvalidateRect(hwnd(), nullptr, TRUE);  // the full path box, the focus frame
  return end;
}

bool CManageProfilesDialog::SwallowsQueued(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (!hotKeyArmed_ && FocusedStop() != ManageProfilesDialog::kHotKeyStop) return false;
  if (core_.OnHotKeyPress(static_cast<uint32_t>(msg.wParam), HeldModifiers(), Controls(), *this)) {
    hotKeyArmed_ = false;
    return true;
  }
  // Tab, Enter and Esc keep their roles, and leave the field.
  if (msg.wParam == VK_TAB || msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) hotKeyArmed_ = false;
  return false;
}

std::optional<std::u16string> CManageProfilesDialog::AskName(NamePurpose purpose, const std::u16string& initial) {
  CProfileNameDialog prompt(Context(), purpose, initial);
  return prompt.RunForName(hwnd());
}

bool CManageProfilesDialog::Confirm(std::u16string_view question) {
  const std::wstring title = Wide(ManageProfilesDialog::Frame().title[Context().language]);
  return MessageBoxW(hwnd(), Wide(std::u16string(question)).c_str(), title.c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

std::u16string CManageProfilesDialog::ChooseToOpen(bool program) {
  if (program) return ChooseFile(hwnd(), ProfileWords(ProfileText::ProgramFilter, Context().language), L"*.exe", false);
  return ChooseFile(hwnd(), ProfileWords(ProfileText::ProfileFilter, Context().language), L"*.qvprofile", false);
}

std::u16string CManageProfilesDialog::ChooseToSave(std::u16string_view suggestedName) {
  return ChooseFile(hwnd(), ProfileWords(ProfileText::ProfileFilter, Context().language), L"*.qvprofile", true,
                    suggestedName);
}

void CManageProfilesDialog::Tell(std::u16string_view failure) {
  Boxes().Show(failure, ManageProfilesDialog::Frame().title[Context().language]);
}

}  // namespace qv::win
