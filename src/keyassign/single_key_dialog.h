#pragma once
// The single key dialog's state: a prompt, the display of the captured key's name, and the
// key it answers on OK. Keystrokes reach it from a keyboard hook, before the dialog could
// act on Enter, Esc, Tab, F1 or the Windows keys. It takes one key, any key, and then lets
// the keyboard confirm or cancel; a press of the display (Space or Enter on it, or a click)
// takes a key again.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "keyassign/dialog_controls.h"
#include "keyassign/dialog_frame.h"
#include "keyassign/frame_looks.h"
#include "keyassign/key_dialogs.h"
#include "ui/language.h"

namespace qv {

// A queued keyboard message the dialog must not act on: any of the Windows keys.
bool SingleKeyDialogSwallows(uint32_t message, uint64_t wParam);

// The text shown when the system refuses the keyboard hook.
std::u16string HookFailureText(unsigned long errorCode);

class SingleKeyDialog {
 public:
  static const DialogFrame& Frame();
  static constexpr int kDisplayId = 502;

  // `current`: the key the key box holds, which OK keeps until another is captured.
  SingleKeyDialog(Language language, SingleKey current = {});

  // The key-name display, showing the current key.
  void InitControls(DialogControls& controls) const;
  std::span<const DialogLabel> Labels() const { return labels_; }
  // A press of the display takes a key again; the frame's buttons end the dialog.
  DialogEnd OnSkinnedClick(int x, int y);

  // A keystroke seen by the hook (key-down, key-up or repeat): the system's name for it
  // and the message's lParam. While a key is awaited, a key going down (not a repeat) is
  // taken and shown: answers true, and the dialog must not act on that key itself.
  bool OnKeyCaptured(std::u16string_view systemName, uint32_t lParam, DialogControls& controls);
  bool AwaitsKey() const { return awaiting_; }

  // The last key on OK (an empty name when none was pressed); none otherwise.
  std::optional<SingleKey> Result(DialogEnd end) const;

 private:
  std::array<DialogLabel, 1> labels_;
  SingleKey captured_;
  bool awaiting_ = true;  // every opening starts waiting for its key
};

}  // namespace qv
