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

  std::optional<Choice> RunWindows(int current) override;
  std::optional<Choice> RunMedia(int current) override;
  std::optional<Choice> RunHotKey(int current) override;
  std::optional<FireChoice> RunFire(const FireChoice& current) override;
  std::optional<SingleKey> RunSingle(const SingleKey& current) override;
  std::optional<Choice> RunSnipe(int current) override;

 private:
  HWND owner_;
  SubDialogContext context_;
  int dpiSelector_;
};

}  // namespace qv::win
