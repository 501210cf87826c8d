#include "app/win32/key_dialogs_win32.h"

#include "app/win32/fire_key_dialog_win32.h"
#include "app/win32/selector_key_dialogs.h"
#include "app/win32/single_key_dialog_win32.h"

namespace qv::win {

std::optional<Choice> Win32KeyDialogs::RunWindows(int current) {
  return CWindowsDialog(context_, current).RunForChoice(owner_);
}
std::optional<Choice> Win32KeyDialogs::RunMedia(int current) { return CMediaDialog(context_, current).RunForChoice(owner_); }
std::optional<Choice> Win32KeyDialogs::RunHotKey(int current) {
  return CHotKeyDialog(context_, current).RunForChoice(owner_);
}
std::optional<FireChoice> Win32KeyDialogs::RunFire(const FireChoice& current) {
  return CFireKeyDialog(context_, current).RunForChoice(owner_);
}
std::optional<SingleKey> Win32KeyDialogs::RunSingle(const SingleKey& current) {
  return CSingleDialog(context_, current).RunForKey(owner_);
}
std::optional<Choice> Win32KeyDialogs::RunSnipe(int current) {
  return CSnipeDialog(context_, dpiSelector_, current).RunForChoice(owner_);
}

}  // namespace qv::win
