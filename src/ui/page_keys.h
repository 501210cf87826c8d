#pragma once
// The page's keyboard: Tab and Shift+Tab walk the controls in reading order, Space and Enter
// press the focused one, the arrows move along the rate bar and up and down a DPI column,
// Home and Page Down to its lowest level, End and Page Up to its highest. Esc closes an open
// list before it hides the window.
// Like Windows, the focus is only shown once the keyboard has been used.
#include <cstdint>
#include <optional>
#include <vector>

#include "ui/page_access.h"

namespace qv {

// Virtual-key codes the page reacts to.
inline constexpr uint64_t kKeyTab = 0x09;
inline constexpr uint64_t kKeySpace = 0x20;
inline constexpr uint64_t kKeyEnd = 0x23;
inline constexpr uint64_t kKeyHome = 0x24;
inline constexpr uint64_t kKeyLeft = 0x25;
inline constexpr uint64_t kKeyUp = 0x26;
inline constexpr uint64_t kKeyRight = 0x27;
inline constexpr uint64_t kKeyDown = 0x28;
inline constexpr uint64_t kKeyPageUp = 0x21;
inline constexpr uint64_t kKeyPageDown = 0x22;

struct PageFocus {
  std::optional<int> index;  // into the reading order
  bool shown = false;        // the keyboard has been used since the page was shown
};

struct PageKeyAnswer {
  bool handled = false;          // false: the message goes on as today
  bool hideWindow = false;       // Enter and Esc on no control, as before the keyboard
  bool closeLists = false;       // Esc with a list open, however it was opened: the list goes first
  bool focusChanged = false;     // repaint the focus and tell a reader
  std::optional<int> pressIndex; // press this control (a keyboard press: a list it opens takes the keys)
  std::optional<PressAction> step;  // or carry out this step alone (an arrow's new value)
};

// A key-down on the page.
PageKeyAnswer OnPageKey(const Page& page, const std::vector<AccessibleControl>& controls, PageFocus& focus,
                        uint64_t virtualKey, bool shift);

// The lists open now, key lists first: the one a keyboard press just opened takes the keys.
std::vector<int> OpenListIds(const Page& page);
bool IsKeyListId(int id);
// The entry of list `id` that the page shows chosen, where the keyboard starts in it.
int EntryShownIn(const Page& page, int id);

// A key-down in a list opened from the keyboard, which has `count` entries and `current`
// selected (none: -1).
struct ListKeyAnswer {
  enum class Kind { PassOn, Select, Pick, Close } kind = Kind::PassOn;
  int selection = -1;
};
ListKeyAnswer OnListKey(uint64_t virtualKey, int current, int count, int visibleRows);

}  // namespace qv
