#pragma once
// The tooltips of the main page: what each control does, over the rectangle it is pressed
// in, in the language shown. Every tooltip rectangle comes from PageTips, so whoever maps
// the page's rectangles to the screen maps these with them.
#include <string_view>
#include <vector>

#include "ui/language.h"
#include "ui/layout.h"

namespace qv {

struct PageTip {
  layout::Rect rect;  // client pixels of the skin, as the rest of the layout
  std::u16string_view text;
};

std::vector<PageTip> PageTips(Language language);

}  // namespace qv
