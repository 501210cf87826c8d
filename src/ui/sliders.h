#pragma once
// The report-rate bar and the DPI stage columns: a press stores the value in the UI record
// and draws only the cells that change. The mouse gets the values at Apply.
#include "ui/canvas.h"
#include "ui/page_session.h"

namespace qv {

// Segment 1..4 stores code 8, 4, 2 or 1 (125 .. 1000 Hz); draws only when the lit segment moves.
void SetReportRate(UiRecord& record, int segment, Canvas& canvas);

// Stage 1..4 on or off; the last stage that is on stays on and nothing is drawn.
void ToggleDpiStage(Page& page, int stage, Canvas& canvas);

// Levels 9..12 exist only in the tables of selectors 0 and 1.
bool AcceptsDpiLevel(int dpiSelector, int level);

// Stores level 1..12 as the stage's level index and draws the column as the page paint
// does: lit up to the level when the stage is on, dark when it is off. A level the selector
// refuses, or no canvas bitmap, changes nothing.
void SetDpiLevel(Page& page, int stage, int level, Canvas& canvas);

}  // namespace qv
