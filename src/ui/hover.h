#pragma once
// Hover looks of the page's buttons and key boxes (WM_MOUSEMOVE, WM_MOUSEHOVER). A
// highlighted element keeps its look until the pointer moves over a spot that is not
// tracked; WM_MOUSELEAVE changes nothing and has no call here.
#include <optional>

#include "ui/canvas.h"
#include "ui/page_session.h"

namespace qv {

enum class MoveAnswer {
  Track,           // TrackMouseEvent TME_HOVER | TME_LEAVE, 10 ms
  RestoreLooks,    // open the canvas and call RestoreNormalLooks
  Nothing,
};
// Default processing follows every answer.
MoveAnswer OnPageMouseMove(const PageSession& session, int x, int y);

// Draws every highlighted button and the first highlighted key box normal, clearing their flags.
void RestoreNormalLooks(Page& page, Canvas& canvas);

// The element a hover at the point highlights: the buttons always, the Default button and
// key boxes 1..4 only while the page is shown. None: nothing to draw.
std::optional<HoverItem> HoverItemAt(const PageSession& session, int x, int y);

// Draws the element's hover look and sets its flag; first restores the neighbours that
// share its look (OK, Apply and Cancel; the key boxes).
void Highlight(Page& page, HoverItem item, Canvas& canvas);

}  // namespace qv
