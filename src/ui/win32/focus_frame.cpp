#include "ui/win32/focus_frame.h"

#include "common/win32/handles.h"

namespace qv::win {
namespace {

constexpr int kGap = 1;        // between the control and the frame
constexpr int kThickness = 2;  // visible on the dark and on the light skin

}  // namespace

void DrawFocusFrame(HDC target, const FocusFrame& frame) {
  if (!target) return;
  const UniqueBrush brush(CreateSolidBrush(RGB(frame.colour.red, frame.colour.green, frame.colour.blue)));
  if (!brush) return;
  RECT edge{frame.rect.left - kGap - kThickness, frame.rect.top - kGap - kThickness,
            frame.rect.right + kGap + kThickness, frame.rect.bottom + kGap + kThickness};
  for (int line = 0; line < kThickness; ++line) {
    FrameRect(target, &edge, brush.get());
    InflateRect(&edge, -1, -1);
  }
}

}  // namespace qv::win
