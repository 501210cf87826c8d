// The language: the one a start takes, the tray menu that changes it, and what speaks it
// beyond the page (tooltips, the confirmation of an Apply).
#include "app/win32/velmo_dlg.h"

#include "app/apply_confirmation.h"
#include "common/win32/wide.h"
#include "config/language_setting.h"
#include "config/settings.h"
#include "ui/language_choice.h"
#include "ui/page_tips.h"

namespace qv::win {

std::u16string CVelmoDlg::StartLanguage(std::u16string_view settingsFile) {
  return StartLanguageCode(ReadLanguageCode(profile_, settingsFile), GetUserDefaultUILanguage());
}

void CVelmoDlg::AppendLanguageItems(HMENU menu) {
  // The owner is disabled while a sub-dialog or a message box runs over it.
  const bool subDialogOpen = !IsWindowEnabled(hwnd());
  UINT id = kFirstLanguageCommand;
  for (const LanguageMenuItem& item : LanguageMenu(language_, subDialogOpen)) {
    const UINT flags = MF_STRING | (item.checked ? MF_CHECKED : 0u) | (item.enabled ? 0u : MF_GRAYED);
    AppendMenuW(menu, flags, id++, Wide(item.text).c_str());
  }
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

MessageResult CVelmoDlg::OnLanguageCommand(WPARAM wParam, LPARAM) {
  const UINT index = LOWORD(wParam) - kFirstLanguageCommand;
  if (index < kLanguageCount) SwitchLanguage(static_cast<Language>(index));
  return 0;
}

void CVelmoDlg::SwitchLanguage(Language language) {
  if (language == language_ || !IsWindowEnabled(hwnd())) return;
  ChooseLanguage(profile_, local_, state_.display, language);
  TakeLanguage();
  CreateFonts();
  ShowTips();
  // The names come from the new language's section, as at a start in it; any name that no
  // longer names its key's function is captioned anew in the new language.
  if (page_.state == PageState::Shown) RebuildPage(KeyNamesFrom::Settings);
}

void CVelmoDlg::ShowTips() {
  const std::vector<PageTip> tips = PageTips(language_);
  tips_.Show(hwnd(), tips, fonts_.Of(FontRole::Text), scale_);
}

void CVelmoDlg::ConfirmApply(bool applied) {
  if (auto notice = ApplyConfirmation(applied, language_)) tray_.Show(*notice);
}

}  // namespace qv::win
