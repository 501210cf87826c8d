#include "ui/win32/focus_frame.h"

#include "common/win32/handles.h"

namespace qv::win {
namespace {

constexpr int kGap = 1;        // between the control and the frame
constexpr int kThickness = 2;  // visible on the dark and on the light skin

}  // namespace

void DrawFocusFrame(HDC target, const FocusFrame& frame, DisplayScale scale) {
  if (!target) return;
  const UniqueBrush brush(CreateSolidBrush(RGB(frame.colour.red, frame.colour.green, frame.colour.blue)));
  if (!brush) return;
  const int outside = kGap + kThickness;
  const layout::Rect screen = ToScreen(layout::Rect{frame.rect.left - outside, frame.rect.top - outside,
                                                    frame.rect.right + outside, frame.rect.bottom + outside},
                                       scale);
  RECT edge{screen.left, screen.top, screen.right, screen.bottom};
  const int thickness = LengthToScreen(kThickness, scale);
  for (int line = 0; line < thickness; ++line) {
    FrameRect(target, &edge, brush.get());
    InflateRect(&edge, -1, -1);
  }
}

}  // namespace qv::win
