#pragma once
// The selector dialogs of the key functions: hot key (Ctrl shortcuts), media key (player
// functions), Windows key (desktop and browser functions) and snipe key (a DPI value). The
// position of an item is the index stored for the key.
#include "keyassign/selector_dialog.h"

namespace qv {

const SelectorDialogKind& HotKeyDialog();
const SelectorDialogKind& MediaDialog();
const SelectorDialogKind& WindowsDialog();
// The snipe key dialog: its items come from SnipeValues.
const SelectorDialogKind& SnipeDialog();

// The DPI values a snipe key may take: the stage values of the mouse's DPI table, so that
// the value shown is the value whose code is sent. None for an unknown table.
std::vector<std::u16string> SnipeValues(int dpiSelector);

}  // namespace qv
