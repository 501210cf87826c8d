#pragma once
// The full paint of the main page and the lifecycle of its child controls.
#include "ui/canvas.h"
#include "ui/page_controls.h"
#include "ui/page_session.h"

namespace qv {

struct PaintResult {
  bool painted = false;  // false: the page was already shown and nothing was drawn
};

// Paints every element of the page onto the canvas and creates the statics on the first
// paint of the window's life; the key names are settled before (SettleKeyNames). Does
// nothing while the page is shown. Without a canvas bitmap the images and texts of the
// page body are left out; the statics, labels, rate and DPI looks are still drawn.
PaintResult PaintMainPage(Page& page, Canvas& canvas, PageControls& controls);

// Destroys the statics, the key lists and the LED lists and clears the open-list flags;
// only while the page is being rebuilt and only if the statics exist. The DPI sub-list is
// left alone.
void TearDownPageControls(PageSession& session, PageControls& controls);

}  // namespace qv
