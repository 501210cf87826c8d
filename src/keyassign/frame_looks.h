#pragma once
// How a sub-dialog's frame looks: its paint, the hover looks of OK, Cancel and close, and
// the colours of its child controls. Every sub-dialog draws through these, so the seven
// dialogs cannot drift apart.
#include <optional>
#include <span>
#include <string_view>

#include "ui/canvas.h"
#include "ui/control_colours.h"
#include "ui/hover.h"
#include "ui/layout.h"

namespace qv {

// A dialog's own text drawn on its background, in the skin's text colour unless it names one.
struct DialogLabel {
  std::u16string_view text;
  layout::Rect rect;
  TextFormat format = TextFormat::Left;
  std::optional<Rgb> colour = std::nullopt;
};

struct FrameLook {
  std::u16string_view okText;
  std::u16string_view cancelText;
  Rgb textColour;
  std::u16string_view title;  // what the dialog sets, on the title plate
  std::u16string_view background = {};  // the dialog's image, put back under what is drawn again
};

// WM_ERASEBKGND: the background, the title, both buttons with their texts, the dialog's
// labels, then close. The background comes first, so that no text is drawn over itself.
void PaintSkinnedDialog(Canvas& canvas, const FrameLook& look, std::span<const DialogLabel> labels);

enum class FrameButton { Ok, Cancel, Close };

// Which button's hover look shows; a button keeps it only while the pointer is over it.
class FrameHover {
 public:
  // WM_MOUSEMOVE: over a button, track the hover (10 ms) and the leave; restore every
  // other button that shows its hover look.
  MoveAnswer OnMove(int x, int y) const;
  // Draws every hovered button normal and clears its flag (also at WM_MOUSELEAVE).
  void RestoreNormal(Canvas& canvas, const FrameLook& look);
  // WM_MOUSEHOVER: the hover look of the button under the point, every other one normal.
  void OnHover(int x, int y, Canvas& canvas, const FrameLook& look);
  bool Hovered(FrameButton button) const;
  bool Any() const { return ok_ || cancel_ || close_; }

 private:
  bool ok_ = false;
  bool cancel_ = false;
  bool close_ = false;
};

// The background of a sub-dialog's controls, RGB(40, 40, 40).
inline constexpr Rgb kSubDialogDark{40, 40, 40};

// WM_CTLCOLOR* of a sub-dialog's controls: white text, transparent, the dialog's font and
// its dark brush; lists also get the dark background colour their entries are filled
// with. `darkFields` is the fire key dialog's variant, whose edit fields get it too.
ControlColours SubDialogColours(ControlKind kind, bool darkFields);

}  // namespace qv
