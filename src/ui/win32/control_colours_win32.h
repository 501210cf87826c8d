#pragma once
// Carries a WM_CTLCOLOR* answer out on the control's device context.
#include <windows.h>

#include "ui/control_colours.h"
#include "ui/win32/skin_fonts.h"

namespace qv::win {

inline COLORREF ToColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

// Sets the text colour, background mode and colour and font the answer names; the brush
// is the caller's to make and own.
inline void ApplyControlColours(HDC dc, const ControlColours& colours, const SkinFonts& fonts) {
  if (colours.text) SetTextColor(dc, ToColorRef(*colours.text));
  if (colours.transparent) SetBkMode(dc, TRANSPARENT);
  if (colours.background) SetBkColor(dc, ToColorRef(*colours.background));
  if (colours.font) SelectObject(dc, fonts.Of(*colours.font));
}

}  // namespace qv::win
