#pragma once
// One element of the main page drawn in one look: the pieces that the full paint, the
// hover look, the key area and the sliders share. Numbers are 1-based as on the page.
#include <cstdint>
#include <string_view>

#include "ui/canvas.h"
#include "ui/page_session.h"

namespace qv {

// Text in the small font and the skin text colour.
void DrawPageText(Canvas& canvas, const Page& page, std::u16string_view text, const layout::Rect& rect,
                  TextFormat format);

// A button of the hover table (not a key box): its image and, for OK, Apply, Cancel and
// Default, its centred text.
void DrawButton(Canvas& canvas, const Page& page, HoverItem button, bool over);
void DrawButtonImage(Canvas& canvas, HoverItem button, bool over);
const layout::Rect& ButtonRect(HoverItem button);

// Key box 1..8: its image, its digit and the name of the shown mode.
void DrawKeyBox(Canvas& canvas, const Page& page, int key, bool over);
void DrawKeyBoxTexts(Canvas& canvas, const Page& page, int key);

// The text of a mode's button ("Mode A", "Mode B") in the language shown.
std::u16string_view ModeButtonText(Language language, KeyMode mode);

// The shown mode's button in the over look, the other normal, each with its text.
void DrawModeButtons(Canvas& canvas, const Page& page);

// Segment 1..4 (125, 250, 500, 1000 Hz) and the segment a stored code selects.
int RateSegmentOf(uint8_t code);
void DrawRateSegment(Canvas& canvas, int segment, bool light);

// Stage 1..4: its on/off box, and its column of `levelCount` cells: up to `lit` of them
// light from the bottom, the rest dark.
void DrawStageBox(Canvas& canvas, int stage, bool on);
void DrawDpiColumn(Canvas& canvas, int stage, int lit, int levelCount);

// Cells a stage lights: its level index + 1 when on, none when off.
int LitCells(const UiRecord& record, int stage);

}  // namespace qv
