#pragma once
// Hover looks of the page's buttons and key boxes (WM_MOUSEMOVE, WM_MOUSEHOVER,
// WM_MOUSELEAVE). A highlighted element keeps its look only while the pointer is over it:
// moving off it, onto another element or out of the window, puts its normal look back.
#include <optional>

#include "ui/canvas.h"
#include "ui/page_session.h"

namespace qv {

enum class MoveAnswer {
  Track,            // TrackMouseEvent TME_HOVER | TME_LEAVE, 10 ms
  RestoreLooks,     // open the canvas and call RestoreNormalLooks
  RestoreAndTrack,  // both: the pointer went from one element straight onto another
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
