#pragma once
// The page's tooltip control: one tool per tip, over the rectangles PageTips gives.
#include <windows.h>

#include <optional>
#include <span>

#include "common/win32/handles.h"
#include "ui/display_scale.h"
#include "ui/page_tips.h"

namespace qv::win {

class PageTooltips {
 public:
  // Replaces every tip: the first call, and each change of language or font.
  // The tips' rectangles are skin pixels, placed at the window's scale.
  void Show(HWND owner, std::span<const PageTip> tips, HFONT font, DisplayScale scale);
  bool Shown() const { return static_cast<bool>(window_); }

  // The owner's pointer messages, before they are dispatched. A press quiets the tips until
  // the pointer moves from where it pressed: the list or dialog it opens must not be covered
  // by the tip of the control pressed, which would also take the next click.
  void Relay(const MSG& msg);

 private:
  void Forward(const MSG& msg) const;

  UniqueWindow window_;
  std::optional<LPARAM> quietAt_;  // where the last press was, until the pointer moves
};

}  // namespace qv::win
