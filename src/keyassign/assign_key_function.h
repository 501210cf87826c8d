#pragma once
// A pick in a key list turned into the key's assignment in the shown mode: its function
// type, the parameters a sub-dialog answers, and the names its box shows.
#include <optional>
#include <string>
#include <string_view>

#include "keyassign/key_dialogs.h"
#include "ui/page_controls.h"
#include "ui/page_session.h"

namespace qv {

// What the user must be told of a pick that did more, or less, than the key box shows.
struct AssignNotice {
  std::u16string text;
  std::u16string_view caption;
  friend bool operator==(const AssignNotice&, const AssignNotice&) = default;
};

// Assigns key 1..8 of the shown mode from its list's selection and closes the list. With
// nothing selected, or "DPI Switch" (which the DPI sub-list serves), nothing happens and the
// list stays open. A sub-dialog opens on what the key holds. Shift goes to both modes at
// once, and only while no other key holds it in either mode: either way the answer says
// so, in the language shown. A key leaving Shift takes its new function, parameters and
// name in both modes. A new snipe DPI renames every snipe key, as the mouse has one.
std::optional<AssignNotice> AssignKeyFunction(Page& page, int key, PageControls& controls, KeyDialogs& dialogs);

}  // namespace qv
