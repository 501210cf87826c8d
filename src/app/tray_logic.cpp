#include "app/tray_logic.h"

namespace qv {

TrayDecision DecideTrayCallback(uint32_t mouseMessage, int connected, int& cancelPending,
                                PageState pageState, bool ready) {
  TrayDecision decision;
  if (mouseMessage == kTrayRightUp) {
    decision.reaction = TrayReaction::OpenMenu;
    return decision;
  }
  if (mouseMessage != kTrayLeftUp && mouseMessage != kTrayLeftDoubleClick) return decision;
  if (!ready) {
    decision.reaction = TrayReaction::Defer;
    return decision;
  }
  if (!connected) {
    decision.reaction = TrayReaction::NoticeMouseMissing;
    return decision;
  }
  decision.reaction = TrayReaction::ShowWindow;
  if (cancelPending) {
    cancelPending = 0;
    decision.rebuildPage = pageState == PageState::Shown;
  } else if (pageState == PageState::MustPaint) {
    decision.paintPage = true;
  }
  return decision;
}

}  // namespace qv
