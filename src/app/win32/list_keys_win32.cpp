#include "app/win32/list_keys_win32.h"

#include <algorithm>

namespace qv::win {

bool IsListBox(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  return lstrcmpiW(className, L"ListBox") == 0;
}

ListKeyAnswer AnswerListKey(HWND list, WPARAM key) {
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  const int current = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  const int rowHeight = std::max<int>(1, static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)));
  RECT area{};
  GetClientRect(list, &area);
  return OnListKey(key, current, count, (area.bottom - area.top) / rowHeight);
}

}  // namespace qv::win
