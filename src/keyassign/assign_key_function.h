#pragma once
// A pick in a key list turned into the key's assignment in the shown mode: its function
// type, the parameters a sub-dialog answers, and the names its box shows.
#include <cstdint>
#include <optional>
#include <string>

#include "ui/page_controls.h"
#include "ui/page_session.h"

namespace qv {

// A selector dialog's answer on OK: the position picked and its text.
struct Choice {
  int index = 0;
  std::u16string text;
};

// The fire key dialog's answer on OK.
struct FireChoice {
  int target = 0;         // position in the fire target list
  uint8_t times = 0;      // 0..127, 0 = fire until released
  uint8_t makeTime = 0;   // shared by every fire key
  uint8_t breakTime = 0;  // shared by every fire key
};

// The key-function sub-dialogs, each constructed with its defaults and run modally by the
// caller. Each answers its result after OK, none after Cancel, close, Esc or a background
// that failed to load. A dialog the platform does not have yet answers none.
class KeyDialogs {
 public:
  virtual ~KeyDialogs() = default;
  virtual std::optional<Choice> RunWindows() = 0;
  virtual std::optional<Choice> RunMedia() = 0;
  virtual std::optional<Choice> RunHotKey() = 0;
  virtual std::optional<FireChoice> RunFire() = 0;
  virtual std::optional<std::u16string> RunSingle() = 0;  // the captured key's name
  virtual std::optional<Choice> RunSnipe() = 0;
};

// Assigns key 1..8 of the shown mode from its list's selection and closes the list. With
// nothing selected, or "DPI Switch" (which the DPI sub-list serves), nothing happens and the
// list stays open. Shift goes to both modes at once and to one key per mode; a key leaving
// Shift takes its new function, parameters and name in both modes.
void AssignKeyFunction(const Page& page, int key, PageControls& controls, KeyDialogs& dialogs);

}  // namespace qv
