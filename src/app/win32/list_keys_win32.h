#pragma once
// A list box that the keyboard opened, on the page or in a sub-dialog: what a key does in it.
#include <windows.h>

#include "ui/page_keys.h"

namespace qv::win {

bool IsListBox(HWND window);

// The keyboard core's answer for `key` in `list`, from the list's entries and height.
ListKeyAnswer AnswerListKey(HWND list, WPARAM key);

}  // namespace qv::win
