#pragma once
// The names shown in the key boxes.
#include <string_view>

#include "ui/page_session.h"

namespace qv {

// Both modes: "Left Click", "Right Click", "Mid Click", "DPI Loop", then "Key Off".
void FillDefaultKeyNames(KeyNames& names, Language language);

// Key 1..8 of a mode.
std::u16string_view KeyName(const KeyNames& names, KeyMode mode, int key);

}  // namespace qv
