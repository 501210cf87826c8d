#pragma once
// The three selector dialogs of the key functions: hot key (Ctrl shortcuts), media key
// (player functions) and Windows key (desktop and browser functions). The position of an
// item is the index stored for the key.
#include "keyassign/selector_dialog.h"

namespace qv {

const SelectorDialogKind& HotKeyDialog();
const SelectorDialogKind& MediaDialog();
const SelectorDialogKind& WindowsDialog();

}  // namespace qv
