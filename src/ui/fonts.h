#pragma once
// The fonts of the skinned windows, by language and role.
#include <string_view>

#include "ui/language.h"

namespace qv {

enum class FontRole {
  Text,   // the main window's small font and every sub-dialog's font
  Title,  // the large font of the page title and of the sub-dialogs' titles
};

struct FontSpec {
  int height = 0;
  int weight = 0;
  std::u16string_view face;
};

// winMajor/winMinor as GetVersion reports them; "黑体" reads better than "宋体" from 6.2 on.
FontSpec SkinFont(Language language, FontRole role, unsigned winMajor, unsigned winMinor);

}  // namespace qv
