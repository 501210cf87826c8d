#pragma once
// Where a new window goes on the screen: centred over what it belongs to, and wholly on the
// work area (the screen less the taskbar) wherever that allows.
#include "ui/layout.h"

namespace qv {

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// The top-left corner of a window of the given size centred over `over`, moved the least to
// lie inside `work`; a window larger than `work` starts at its top-left corner, so its title
// and close button stay reachable.
ScreenPoint CentredOver(const layout::Rect& over, int width, int height, const layout::Rect& work);

}  // namespace qv
