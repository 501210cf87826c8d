#pragma once
// The fonts of the skinned windows, by language and role.
#include <span>
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
  // In order of preference: the first one the system has is used. Chinese texts take the
  // face Windows draws its own interface in for that script, then older ones.
  std::span<const std::u16string_view> faces;
};

FontSpec SkinFont(Language language, FontRole role);

}  // namespace qv
