#pragma once
// How the page's child controls are coloured (WM_CTLCOLOR). The Win32 layer applies the
// answer to the control's device context, makes the brush and deletes it on the next call.
#include <optional>

#include "model/config_image.h"
#include "ui/canvas.h"
#include "ui/fonts.h"

namespace qv {

enum class ControlKind { Edit, ListBox, Button, Static, Other };

struct ControlColours {
  std::optional<Rgb> text;        // SetTextColor
  bool transparent = false;       // SetBkMode TRANSPARENT
  std::optional<Rgb> background;  // SetBkColor
  std::optional<FontRole> font;   // select this font
  std::optional<Rgb> brush;       // a solid brush to return; none: the default handler's brush
};

// The contrast ratio of two colours, 1 (the same) to 21 (black on white); small text reads
// with ease from 4.5 on.
double Contrast(Rgb a, Rgb b);
inline constexpr double kReadableContrast = 4.5;

// An empty answer (the Other kind) means default handling and nothing set.
ControlColours ColoursOfControl(ControlKind kind, int id, Rgb textColour, const UiRecord& record);

}  // namespace qv
