#pragma once
// The three LED lists under the lighting boxes: mode (60), parameter (61) and effect (62).
// A choice stores its value in the record and updates statics 80..82 in place.
#include "ui/page_controls.h"
#include "ui/page_session.h"

namespace qv {

// A press on LED box 0 (mode), 1 (parameter) or 2 (effect): a second press closes the
// list. The parameter and effect boxes open nothing while the lighting is off, and the
// effect box of Standard only shows "RGB Effect"; the press still toggles the box's flag.
void ToggleLedList(Page& page, int box, PageControls& controls);
void OpenLedModeList(Page& page, PageControls& controls);
void OpenLedParameterList(Page& page, PageControls& controls);
void OpenLedEffectList(Page& page, PageControls& controls);

// LBN_SELCHANGE or LBN_DBLCLK of lists 60, 61 and 62. With no selection nothing changes and
// the list stays open. A new mode keeps the brightness, period and effect it does not show.
void OnLedModeSelect(Page& page, PageControls& controls);
void OnLedParameterSelect(Page& page, PageControls& controls);
void OnLedEffectSelect(Page& page, PageControls& controls);

}  // namespace qv
