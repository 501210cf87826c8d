#pragma once
// The page's tooltip control: one tool per tip, over the rectangles PageTips gives.
#include <windows.h>

#include <span>

#include "common/win32/handles.h"
#include "ui/page_tips.h"

namespace qv::win {

class PageTooltips {
 public:
  // Replaces every tip: the first call, and each change of language or font.
  void Show(HWND owner, std::span<const PageTip> tips, HFONT font);

 private:
  UniqueWindow window_;
};

}  // namespace qv::win
