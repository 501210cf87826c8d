#include "ui/key_names.h"

#include "ui/key_lists.h"

namespace qv {

void FillDefaultKeyNames(KeyNames& names, Language language) {
  const std::u16string_view defaults[kKeysPerMode] = {
      Text(language, kSlotLeftClick), Text(language, kSlotRightClick), Text(language, kSlotMidClick), DpiSubFunctionText(kDpiLoopSubFunction, language),
      Text(language, kSlotKeyOff),    Text(language, kSlotKeyOff),     Text(language, kSlotKeyOff),   Text(language, kSlotKeyOff),
  };
  for (auto& mode : names) {
    for (size_t key = 0; key < mode.size(); ++key) mode[key] = defaults[key];
  }
}

std::u16string_view KeyName(const KeyNames& names, KeyMode mode, int key) {
  return names[static_cast<size_t>(mode)][static_cast<size_t>(key - 1)];
}

}  // namespace qv
