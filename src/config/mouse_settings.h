#pragma once
// The settings a complete read found on the mouse, taken into the UI state record so the
// page shows what the mouse holds, not what this computer last saved: a mouse set up
// elsewhere, or by the command line, would otherwise be overwritten at the next Apply.
#include "model/app_state.h"
#include "ui/page_session.h"

namespace qv {

// Overlays every field of the record that the image holds in a form it can show: the
// report rate, each stage's level, on/off and colour, the lighting, the snipe DPI, the fire
// timing and keys 1..4 of both modes. A field the image holds in no known form (a code
// outside the DPI table, a key pair no assignment encodes, a lighting mode above Neon)
// keeps the record's value, which the next Apply writes.
void DecodeMouseSettings(const ConfigImage& image, int dpiSelector, UiRecord& record);

// After a complete read: the record and the saved copy take the mouse's settings, and a key
// whose assignment changed loses its stored name, so that it is named anew from what it
// holds. Answers false, changing nothing, when the image is not a complete read.
bool TakeMouseSettings(AppState& state, KeyNames& names);

}  // namespace qv
