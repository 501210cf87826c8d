#pragma once
// The key-function sub-dialogs on Windows, each run modally over the main window with the
// skin, language and text colour it shows.
#include <windows.h>

#include "app/win32/skinned_dialog.h"
#include "keyassign/key_dialogs.h"

namespace qv::win {

class Win32KeyDialogs final : public KeyDialogs {
 public:
  // The snipe key dialog offers the values of the mouse's DPI table `dpiSelector`.
  Win32KeyDialogs(HWND owner, SubDialogContext context, int dpiSelector)
      : owner_(owner), context_(std::move(context)), dpiSelector_(dpiSelector) {}

  std::optional<Choice> RunWindows() override;
  std::optional<Choice> RunMedia() override;
  std::optional<Choice> RunHotKey() override;
  std::optional<FireChoice> RunFire() override;
  std::optional<SingleKey> RunSingle() override;
  std::optional<Choice> RunSnipe() override;

 private:
  HWND owner_;
  SubDialogContext context_;
  int dpiSelector_;
};

}  // namespace qv::win
