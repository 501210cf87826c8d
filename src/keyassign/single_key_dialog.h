#pragma once
// The single key dialog's state: a prompt, the display of the last captured key's name,
// and the key it answers on OK. Keystrokes reach it from a keyboard hook, before the
// dialog could act on Enter, Esc, F1 or the Windows keys.
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

// A queued keyboard message the dialog must not act on: any of the Windows keys, and
// Enter and Esc pressed (the hook has recorded them already).
bool SingleKeyDialogSwallows(uint32_t message, uint64_t wParam);

// The text shown when the system refuses the keyboard hook.
std::u16string HookFailureText(unsigned long errorCode);

class SingleKeyDialog {
 public:
  static const DialogFrame& Frame();
  static constexpr int kDisplayId = 502;

  explicit SingleKeyDialog(Language language);

  // The key-name display, empty: every opening starts without a key.
  void InitControls(DialogControls& controls) const;
  std::span<const DialogLabel> Labels() const { return labels_; }
  DialogEnd OnSkinnedClick(int x, int y) const { return FrameButtonAt(x, y); }

  // A keystroke seen by the hook (key-down, key-up or repeat): the system's name for it
  // and the message's lParam. The display shows the name.
  void OnKeyCaptured(std::u16string_view systemName, uint32_t lParam, DialogControls& controls);

  // The last key on OK (an empty name when none was pressed); none otherwise.
  std::optional<SingleKey> Result(DialogEnd end) const;

 private:
  std::array<DialogLabel, 1> labels_;
  SingleKey captured_;
};

}  // namespace qv
