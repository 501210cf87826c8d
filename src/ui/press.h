#pragma once
// The press dispatcher of the main page (WM_LBUTTONDOWN): what a press at a client point
// does, as steps the Win32 layer carries out in order.
#include <vector>

#include "ui/canvas.h"
#include "ui/page_controls.h"
#include "ui/page_session.h"

namespace qv {

enum class PressKind {
  Ok,                 // Apply pipeline, record to saved copy, hide the window
  Apply,              // Apply pipeline, record to saved copy
  Skins,              // the skins dialog
  Hide,               // hide the window
  Close,              // close the channels, delete the tray icon, end the process with code 0
  Back,               // PaintMainPage
  Cancel,             // saved copy back into the record, set cancel-pending, hide the window
  OpenWebAddress,     // open the user's guide in the language shown, through the unelevated desktop shell
  CloseLists,         // CloseListsAwayFrom with the press point
  ShowModeA,          // ShowModeA
  ShowModeB,          // ShowModeB
  RestoreDefaults,    // RestoreDefaultKeys
  ToggleKeyList,      // open or close key list `index` (1..4)
  SetReportRate,      // SetReportRate with segment `index`
  ToggleDpiStage,     // ToggleDpiStage with stage `index`
  ChooseStageColour,  // colour chooser for stage `index`; on OK, StoreStageColour
  ToggleLedList,      // open or close LED list `index` (0 mode, 1 parameter, 2 effect)
  SetDpiLevel,        // SetDpiLevel with stage `index` and `level`
  DragWindow,         // post WM_NCLBUTTONDOWN, HTCAPTION, the press point; default processing
};

struct PressAction {
  PressKind kind;
  int index = 0;
  int level = 0;
  friend bool operator==(const PressAction&, const PressAction&) = default;
};

// The steps of one press in their order. Page elements need the page shown; a press on
// nothing ends in a window drag; a press on a frame button or on the swatch of a stage that
// is off ends without one.
std::vector<PressAction> DispatchPress(const Page& page, int x, int y);

// Closes every open list: the window is about to hide, and a list left open would take the
// next press aimed at the page.
void CloseAllLists(Page& page, PageControls& controls);

// Closes every open list whose box and list rectangle the point is outside of; a key list
// closed this way takes the DPI sub-list with it.
void CloseListsAwayFrom(Page& page, int x, int y, PageControls& controls);

// The colour chooser's answer for stage 1..4: stored in the record, the swatch repainted.
void StoreStageColour(UiRecord& record, int stage, Rgb colour, PageControls& controls);

}  // namespace qv
