#include "config/mouse_link.h"

namespace qv {

bool ReadMouseMemory(MouseLink& mouse, AppState& state, ConfigImage& image) {
  image.Clear();
  state.scrambling = 1;
  return mouse.ReadOperation(image);
}

}  // namespace qv
