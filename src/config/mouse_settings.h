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

enum class MouseTaken {
  NotRead,          // the image is not a complete read: nothing changed
  Shown,            // the record took the mouse's settings
  EditsKept,        // the record keeps the user's edits, which the mouse does not hold
  WriteUnfinished,  // the record keeps what the last write, cut short, was to leave
};

// After a complete read the mouse's settings become the saved copy (what Cancel returns
// to). The record takes them too, unless it holds edits not applied yet (it differs from the
// saved copy as it was) or the last write did not finish (the record is what it was to
// leave; said so for the mouse it went to, as edits not applied to another): those stay on
// the page until Apply. A key whose assignment the record took from
// the mouse loses its stored name, so that it is named anew from what it holds.
MouseTaken TakeMouseSettings(AppState& state, KeyNames& names);

// The notice (model/notice_kinds.h) that tells the user what the page shows after a read.
uint32_t NoticeOfTaken(MouseTaken taken);

}  // namespace qv
