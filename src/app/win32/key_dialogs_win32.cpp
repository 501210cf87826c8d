#include "app/win32/key_dialogs_win32.h"

#include "app/win32/fire_key_dialog_win32.h"
#include "app/win32/selector_key_dialogs.h"
#include "app/win32/single_key_dialog_win32.h"

namespace qv::win {

std::optional<Choice> Win32KeyDialogs::RunWindows() { return CWindowsDialog(context_).RunForChoice(owner_); }
std::optional<Choice> Win32KeyDialogs::RunMedia() { return CMediaDialog(context_).RunForChoice(owner_); }
std::optional<Choice> Win32KeyDialogs::RunHotKey() { return CHotKeyDialog(context_).RunForChoice(owner_); }
std::optional<FireChoice> Win32KeyDialogs::RunFire() { return CFireKeyDialog(context_).RunForChoice(owner_); }
std::optional<SingleKey> Win32KeyDialogs::RunSingle() { return CSingleDialog(context_).RunForKey(owner_); }
std::optional<Choice> Win32KeyDialogs::RunSnipe() {
  return CSnipeDialog(context_, dpiSelector_).RunForChoice(owner_);
}

}  // namespace qv::win
