#pragma once
// A pick in a key list turned into the key's assignment in the shown mode: its function
// type, the parameters a sub-dialog answers, and the names its box shows.
#include "keyassign/key_dialogs.h"
#include "ui/page_controls.h"
#include "ui/page_session.h"

namespace qv {

// Assigns key 1..8 of the shown mode from its list's selection and closes the list. With
// nothing selected, or "DPI Switch" (which the DPI sub-list serves), nothing happens and the
// list stays open. Shift goes to both modes at once, and only while no other key holds it in
// either mode; a key leaving Shift takes its new function, parameters and name in both modes.
void AssignKeyFunction(Page& page, int key, PageControls& controls, KeyDialogs& dialogs);

}  // namespace qv
