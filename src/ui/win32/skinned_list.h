#pragma once
// The drop-down lists drawn in the skin (ui/list_looks.h decides the looks): owner-drawn
// list boxes that keep every LB_* message, notification and rectangle of a plain one, with
// the entry under the pointer and the current choice marked, and a scroll bar of their
// own in the frame once the entries do not all fit. The parent forwards WM_DRAWITEM.
#include <windows.h>

#include <optional>

#include "ui/canvas.h"

namespace qv::win {

// The styles a skinned list is created with besides its own: owner-drawn entries of one
// height that keep their strings, and exactly the rectangle asked for.
inline constexpr DWORD kSkinnedListStyle = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

// Takes over a list just created with kSkinnedListStyle and its font, before its entries
// are added: the entries' height follows the font, and its colours are the ones the parent
// gives lists (WM_CTLCOLORLISTBOX) with the skin's accent.
void MakeSkinnedList(HWND list, Rgb accent, std::optional<int> current);

// Once the entries are in: the height of whole rows, the scroll bar if they do not all fit,
// and the current choice brought into view.
void SettleSkinnedList(HWND list);

// WM_DRAWITEM of the parent: draws the entry when it belongs to a skinned list (true).
bool DrawSkinnedListItem(const DRAWITEMSTRUCT& item);

}  // namespace qv::win
