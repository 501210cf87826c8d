#pragma once
// The keyboard focus on a skinned page: a frame in the skin's accent around the focused
// control, drawn on the window over the presented canvas and never into it, so the canvas
// stays as the page's painters left it and a page at rest looks as it always did.
#include <windows.h>

#include "ui/canvas.h"
#include "ui/display_scale.h"
#include "ui/layout.h"

namespace qv::win {

struct FocusFrame {
  layout::Rect rect;  // the control, in skin pixels; the frame lies just outside it
  Rgb colour;
};

// At the window's scale: the control's place through ToScreen, the frame as thick as the
// scale makes its skin thickness.
void DrawFocusFrame(HDC target, const FocusFrame& frame, DisplayScale scale);

}  // namespace qv::win
