#include "ui/placement.h"

#include <algorithm>

namespace qv {
namespace {

int Placed(int overStart, int overLength, int length, int workStart, int workEnd) {
  const int centred = overStart + (overLength - length) / 2;
  return std::max(std::min(centred, workEnd - length), workStart);
}

}  // namespace

ScreenPoint CentredOver(const layout::Rect& over, int width, int height, const layout::Rect& work) {
  return {Placed(over.left, over.Width(), width, work.left, work.right),
          Placed(over.top, over.Height(), height, work.top, work.bottom)};
}

}  // namespace qv
