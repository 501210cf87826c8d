#pragma once
// The kinds of tray notice a part may ask the main window for (WM_USER+2, kind in wParam).
#include <cstdint>

namespace qv {

enum NoticeKind : uint64_t {
  kNoticeReportRate = 5,
  kNoticeDpiStage = 7,
  kNoticeKeyMatrix = 8,
  kNoticeMacro = 9,
  kNoticeMouseFound = 14,
  kNoticeMouseMissing = 15,
  // The mouse was found and read, and the page keeps edits it does not hold yet.
  kNoticeEditsNotOnMouse = 16,
  // The mouse was found and read, and the last write to it did not finish.
  kNoticeWriteUnfinished = 17,
};

}  // namespace qv
