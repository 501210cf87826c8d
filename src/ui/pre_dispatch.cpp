#include "ui/pre_dispatch.h"

namespace qv {

PreDispatch FilterBeforeDispatch(uint32_t message, uint64_t wParam, PageState pageState) {
  if (message == kMessageKeyDown && (wParam == kKeyReturn || wParam == kKeyEscape)) return PreDispatch::HideWindow;
  if (message == kMessageMouseMove && pageState == PageState::Shown) return PreDispatch::KeyListPointer;
  return PreDispatch::PassOn;
}

}  // namespace qv
