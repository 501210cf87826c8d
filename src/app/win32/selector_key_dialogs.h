#pragma once
// The sub-dialogs that pick one entry from a drop-down list: hot key, media key and
// Windows key. The frame carries them; the selector core decides.
#include "app/win32/skinned_dialog.h"
#include "keyassign/selector_dialog.h"
#include "keyassign/selector_dialogs.h"

namespace qv::win {

class CSelectorDialog : public CSkinnedDialog {
 public:
  CSelectorDialog(const SelectorDialogKind& kind, const SubDialogContext& context)
      : CSkinnedDialog(kind.frame, context), core_(kind, context.language) {}
  CSelectorDialog(const SelectorDialogKind& kind, const SubDialogContext& context, std::vector<std::u16string> items)
      : CSkinnedDialog(kind.frame, context), core_(kind, context.language, std::move(items)) {}

  // The choice after OK, none after Cancel, close, Esc or a background that failed.
  std::optional<Choice> RunForChoice(HWND owner) { return core_.Result(Run(owner)); }

 protected:
  void InitOwnControls(DialogControls& controls) override { core_.InitControls(controls); }
  DialogEnd OnPress(int x, int y, DialogControls& controls) override { return core_.OnSkinnedClick(x, y, controls); }
  void OnListPick(DialogControls& controls) override { core_.OnListPick(controls); }
  void TrackList(int listId, int item, DialogControls& controls) override {
    core_.TrackListUnderCursor(listId, item, controls);
  }

 private:
  SelectorDialog core_;
};

class CHotKeyDialog final : public CSelectorDialog {
 public:
  explicit CHotKeyDialog(const SubDialogContext& context) : CSelectorDialog(HotKeyDialog(), context) {}
};

class CMediaDialog final : public CSelectorDialog {
 public:
  explicit CMediaDialog(const SubDialogContext& context) : CSelectorDialog(MediaDialog(), context) {}
};

class CWindowsDialog final : public CSelectorDialog {
 public:
  explicit CWindowsDialog(const SubDialogContext& context) : CSelectorDialog(WindowsDialog(), context) {}
};

// The snipe key dialog's list holds the stage values of the mouse's DPI table; the wheel
// scrolls it, as it has no scroll bar.
class CSnipeDialog final : public CSelectorDialog {
 public:
  CSnipeDialog(const SubDialogContext& context, int dpiSelector)
      : CSelectorDialog(SnipeDialog(), context, SnipeValues(dpiSelector)) {}

 protected:
  std::optional<int> WheelList() const override { return SnipeDialog().listId; }
};

}  // namespace qv::win
