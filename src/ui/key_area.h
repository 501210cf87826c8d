#pragma once
// The key configuration switch and the Default button. Nothing reaches the mouse or the INI
// file before Apply.
#include "ui/canvas.h"
#include "ui/page_session.h"

namespace qv {

// Show the keys of Mode A or Mode B: stores the shown mode, redraws the mode buttons and
// key boxes 1..4 with that mode's names.
void ShowModeA(Page& page, Canvas& canvas);
void ShowModeB(Page& page, Canvas& canvas);

// Both modes back to the default assignments and names; redraws key boxes 1..4. The shown
// mode and the mode buttons stay as they are.
void RestoreDefaultKeys(Page& page, Canvas& canvas);

}  // namespace qv
