#pragma once
// What the main window does with a message of itself or a child before it is dispatched.
#include <cstdint>

#include "model/page_state.h"

namespace qv {

inline constexpr uint32_t kMessageKeyDown = 0x0100;    // WM_KEYDOWN
inline constexpr uint32_t kMessageMouseMove = 0x0200;  // WM_MOUSEMOVE
inline constexpr uint64_t kKeyReturn = 0x0D;           // VK_RETURN
inline constexpr uint64_t kKeyEscape = 0x1B;           // VK_ESCAPE

enum class PreDispatch {
  PassOn,         // dialog pre-processing and normal dispatch
  HideWindow,     // hide the window and report the message as handled
  KeyListPointer, // the pointer may be over a key list: look for the DPI sub-list, then pass on
};

// Enter and Escape hide the window instead of ending the dialog.
PreDispatch FilterBeforeDispatch(uint32_t message, uint64_t wParam, PageState pageState);

}  // namespace qv
