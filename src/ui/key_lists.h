#pragma once
// The key lists 41..48 that drop down under the key boxes, and the DPI sub-list 40 that
// opens beside their "DPI Switch" entry. A choice changes only the record and the key
// names; nothing reaches the mouse before Apply.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"
#include "ui/message_box_text.h"
#include "ui/page_controls.h"
#include "ui/page_session.h"

namespace qv {

inline constexpr int kKeyListEntryCount = 14;
inline constexpr int kDpiSwitchEntry = 5;
inline constexpr int kShiftEntry = 13;  // the mode-switch key
inline constexpr int kDpiSubListSize = 60;  // width and height
inline constexpr uint8_t kDpiLoopSubFunction = 5;

// Entry 0..13 of every key list (the key function's list position); empty outside.
std::u16string_view KeyListEntry(Language language, int index);

// The DPI sub-list's text of a sub-function ("DPI +", "DPI -", "DPI Loop"); empty otherwise.
std::u16string_view DpiSubFunctionText(uint8_t subFunction, Language language);

// Shift switches between the modes, so it lives on one key, in both modes at once. Every
// road that assigns a key keeps that: Shift may go to a key only while no other key holds
// it in either mode, and a key that leaves Shift takes its new function in both modes.
bool ShiftFreeFor(const UiRecord& record, int key);
std::vector<KeyMode> ModesOfNewFunction(const UiRecord& record, int key);

// A press on key box 1..8: a second press closes its list, and opening one closes every
// other key list. The key that alone carries "Left Click" in the shown mode keeps it: the
// answer is the warning to show on the main window, and no list opens.
std::optional<MessageBoxText> OpenKeyList(Page& page, int key, PageControls& controls);

// Assigns key 1..8 from its list's selection and closes the list, unless the pick leaves it
// open. The app joins keyassign's AssignKeyFunction here, which ui may not include.
using AssignKey = std::function<void(int key)>;

// LBN_SELCHANGE or LBN_DBLCLK of lists 41..48: assigns every key whose list exists, in key
// order. Answers the keys whose list the assignment closed; repaint their boxes with
// RepaintKeyBoxes once any sub-dialog has ended.
std::vector<int> OnKeyListSelect(Page& page, PageControls& controls, const AssignKey& assign);

// Key boxes in their normal look with the shown mode's names.
void RepaintKeyBoxes(const Page& page, std::span<const int> keys, Canvas& canvas);

// The entry under the pointer in a child list of the page: the list's control id, the item
// LB_ITEMFROMPOINT reports and that item's LB_GETITEMRECT in the list's client coordinates.
struct ListPointer {
  int listId = 0;
  int item = -1;
  layout::Rect itemRect;
};

// Pointer on "DPI Switch" of a key list opens the DPI sub-list beside that entry; on any
// other entry it closes the sub-list. Other lists are ignored.
void TrackKeyListPointer(const ListPointer& pointer, const UiRecord& record, Language language, PageControls& controls);

// LBN_SELCHANGE of the DPI sub-list: the first key list's key becomes "DPI Switch" with the
// chosen sub-function in the shown mode, takes the entry as its name and is repainted; both
// lists close.
void OnDpiSubListSelect(Page& page, PageControls& controls, Canvas& canvas);

}  // namespace qv
