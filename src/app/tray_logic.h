#pragma once
// What a tray icon callback asks of the main window.
#include <cstdint>

#include "model/page_state.h"

namespace qv {

enum class TrayReaction {
  Ignore,              // mouse moves, button downs and the like
  NoticeMouseMissing,  // a click while no mouse is connected: notice 15, window stays hidden
  ShowWindow,          // a click or double-click with a mouse connected
  OpenMenu,            // right button released: the one-item menu
  // A click or double-click while the window is not ready for it (start-up has not ended,
  // or a transfer with its message boxes runs): remembered, and decided again once it is,
  // so that no message box lets the page be built or shown halfway.
  Defer,
};

struct TrayDecision {
  TrayReaction reaction = TrayReaction::Ignore;
  // For ShowWindow: rebuild the shown page from the reverted state (after a Cancel), or
  // paint the page for the first time. At most one is set.
  bool rebuildPage = false;
  bool paintPage = false;
};

inline constexpr uint32_t kTrayMouseMove = 0x200;
inline constexpr uint32_t kTrayLeftUp = 0x202;
inline constexpr uint32_t kTrayLeftDoubleClick = 0x203;
inline constexpr uint32_t kTrayRightUp = 0x205;

// Decides the reaction; clears the cancel-pending flag when a show consumes it.
TrayDecision DecideTrayCallback(uint32_t mouseMessage, int connected, int& cancelPending,
                                PageState pageState, bool ready = true);

}  // namespace qv
