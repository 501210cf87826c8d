#pragma once
// The sub-dialogs that pick one entry from a drop-down list: hot key, media key and
// Windows key. The frame carries them; the selector core decides.
#include "app/win32/skinned_dialog.h"
#include "keyassign/selector_dialog.h"
#include "keyassign/selector_dialogs.h"

namespace qv::win {

class CSelectorDialog : public CSkinnedDialog {
 public:
  CSelectorDialog(const SelectorDialogKind& kind, const SubDialogContext& context, int current)
      : CSkinnedDialog(kind.frame, context), core_(kind, context.language, current) {}
  CSelectorDialog(const SelectorDialogKind& kind, const SubDialogContext& context, std::vector<std::u16string> items,
                  int current)
      : CSkinnedDialog(kind.frame, context), core_(kind, context.language, std::move(items), current) {}

  // The choice after OK, none after Cancel, close, Esc or a background that failed.
  std::optional<Choice> RunForChoice(HWND owner) { return core_.Result(Run(owner)); }

 protected:
  void InitOwnControls(DialogControls& controls) override { core_.InitControls(controls); }
  DialogEnd OnPress(int x, int y, DialogControls& controls) override { return core_.OnSkinnedClick(x, y, controls); }
  void OnListPick(DialogControls& controls) override { core_.OnListPick(controls); }
  void TrackList(int listId, int item, DialogControls& controls) override {
    core_.TrackListUnderCursor(listId, item, controls);
  }
  std::span<const DialogLabel> Labels() const override { return core_.Labels(); }

 private:
  SelectorDialog core_;
};

class CHotKeyDialog final : public CSelectorDialog {
 public:
  CHotKeyDialog(const SubDialogContext& context, int current) : CSelectorDialog(HotKeyDialog(), context, current) {}
};

class CMediaDialog final : public CSelectorDialog {
 public:
  CMediaDialog(const SubDialogContext& context, int current) : CSelectorDialog(MediaDialog(), context, current) {}
};

class CWindowsDialog final : public CSelectorDialog {
 public:
  CWindowsDialog(const SubDialogContext& context, int current) : CSelectorDialog(WindowsDialog(), context, current) {}
};

// The snipe key dialog's list holds the stage values of the mouse's DPI table; the wheel
// scrolls it, as it has no scroll bar.
class CSnipeDialog final : public CSelectorDialog {
 public:
  CSnipeDialog(const SubDialogContext& context, int dpiSelector, int current)
      : CSelectorDialog(SnipeDialog(), context, SnipeValues(dpiSelector), current) {}

 protected:
  std::optional<int> WheelList() const override { return SnipeDialog().listId; }
};

}  // namespace qv::win
